#include "mypainter.h"

#include "apppaths.h"
#include "devicepixels.h"
#include "drawingfile.h"
#include "elementfactory.h"
#include "imagefilesaver.h"
#include "tiledcanvasnode.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPointingDevice>
#include <QQuickWindow>
#include <QTabletEvent>

#include <algorithm>
#include <cmath>

namespace {

// Larger than any desktop: a change that every view repaints in full.
QRect everywhere()
{
    constexpr int far = 1 << 24;
    return QRect(QPoint(-far, -far), QPoint(far, far));
}

} // namespace

MyPainter::MyPainter(QQuickItem *parent)
    : QQuickPaintedItem(parent), m_document(std::make_unique<DrawingDocument>()),
      m_renderer(std::make_unique<CanvasRenderer>(*m_document))
{
    qDebug() << "Create MyPainter";
    setRenderTarget(QQuickPaintedItem::Image);
    setAntialiasing(true);
    showDocument();
    // Made inside a window already, the scene change came before this class could see it.
    watchPenEvents(window());
}

MyPainter::~MyPainter()
{
    // The document's jobs report into this item until they end.
    for (const QMetaObject::Connection &link : std::as_const(m_links))
        disconnect(link);
    m_document->disconnect(this);
}

// ---------------------------------------------------------------- views

void MyPainter::showDocument()
{
    for (const QMetaObject::Connection &link : std::as_const(m_links))
        disconnect(link);
    m_links.clear();
    DrawingDocument *shown = &document();
    m_links << connect(shown, &DrawingDocument::changed, this, &MyPainter::documentChanged)
            << connect(shown, &DrawingDocument::canUndoChanged, this, &MyPainter::canUndoChanged)
            << connect(shown, &DrawingDocument::canRedoChanged, this, &MyPainter::canRedoChanged)
            << connect(shown, &DrawingDocument::breathingChanged, this, &MyPainter::setIsBreath)
            << connect(shown, &DrawingDocument::selectionChanged, this,
                       &MyPainter::followSelection);
    if (m_source) {
        // The source announces the pen state for every view; and when it goes, its
        // drawing goes with it and this item shows its own again.
        MyPainter *source = m_source;
        m_links << connect(source, &MyPainter::penSizeChanged, this, &MyPainter::penSizeChanged)
                << connect(source, &MyPainter::penColorChanged, this, &MyPainter::penColorChanged)
                << connect(source, &MyPainter::penOpacityChanged, this,
                           &MyPainter::penOpacityChanged)
                << connect(source, &MyPainter::eraserModeChanged, this,
                           &MyPainter::eraserModeChanged)
                << connect(source, &MyPainter::drawModeChanged, this, &MyPainter::drawModeChanged)
                << connect(shown, &QObject::destroyed, this, &MyPainter::releaseSource);
    }
    m_renderer = std::make_unique<CanvasRenderer>(*shown);
    m_renderer->changed(viewBounds(), viewBounds());
    update();
    followSelection();
}

void MyPainter::releaseSource()
{
    m_source = nullptr;
    showDocument();
    emit sourceChanged();
}

void MyPainter::setSource(MyPainter *value)
{
    if (value == m_source)
        return;
    for (const MyPainter *p = value; p; p = p->source()) {
        if (p == this) {
            qWarning() << "MyPainter: a canvas cannot show its own drawing through a source";
            return;
        }
    }
    const bool wasEraser = isEraserMode();
    const int oldMode = drawMode();
    if (m_source)
        m_source->m_views.removeAll(this);
    m_source = value;
    if (m_source)
        m_source->m_views.append(this);
    showDocument();
    emit sourceChanged();
    emit penSizeChanged();
    emit penColorChanged();
    emit penOpacityChanged();
    emit canUndoChanged();
    emit canRedoChanged();
    if (oldMode != drawMode())
        emit drawModeChanged();
    if (wasEraser != isEraserMode())
        emit eraserModeChanged();
}

void MyPainter::setView(const ViewMapping &view)
{
    if (view == m_view)
        return;
    const ViewMapping before = m_view;
    m_view = view;
    showDocument();
    if (view.origin() != before.origin())
        emit viewOriginChanged();
    if (view.scale() != before.scale())
        emit viewScaleChanged();
}

void MyPainter::setViewOrigin(QPointF value)
{
    setView(ViewMapping(value, m_view.scale()));
}

void MyPainter::setViewScale(qreal value)
{
    setView(ViewMapping(m_view.origin(), value));
}

void MyPainter::setZoomFactor(qreal value)
{
    const qreal factor = value > 1 ? value : 1.0; // also NaN
    if (factor == m_zoomFactor)
        return;
    m_zoomFactor = factor;
    update();
    emit zoomChanged();
}

void MyPainter::setZoomPan(QPointF value)
{
    if (value == m_zoomPan)
        return;
    m_zoomPan = value;
    update();
    emit zoomChanged();
}

void MyPainter::setZoomBackdrop(const QImage &picture)
{
    if (picture.isNull() && m_zoomBackdrop.isNull())
        return;
    m_zoomBackdrop = picture;
    m_backdropChanged = true;
    update();
}

// ---------------------------------------------------------------- properties

void MyPainter::setIsBreath(bool value)
{
    m_isBreath = value;
    emit isBreathChanged();
}

void MyPainter::setPen(int width, const QColor &color, double opacity)
{
    document().setPen(PenStyle{color, width, opacity});
}

void MyPainter::setPenSize(int value)
{
    if (m_source) {
        m_source->setPenSize(value);
        return;
    }
    if (value == penSize())
        return;
    setPen(value, penColor(), penOpacity());
    emit penSizeChanged();
}

void MyPainter::setPenColor(const QColor &value)
{
    if (m_source) {
        m_source->setPenColor(value);
        return;
    }
    if (value == penColor())
        return;
    setPen(penSize(), value, penOpacity());
    emit penColorChanged();
}

void MyPainter::setPenOpacity(double value)
{
    if (m_source) {
        m_source->setPenOpacity(value);
        return;
    }
    if (value == penOpacity())
        return;
    double stored = value;
    if (stored > 1.0)
        stored = 1.0;
    else if (!(stored > 0.0)) // also NaN
        stored = 0.0;
    setPen(penSize(), penColor(), stored);
    qDebug() << "透明度已设置为:" << stored;
    emit penOpacityChanged();
}

void MyPainter::setIsEraserMode(bool value)
{
    if (m_source) {
        m_source->setIsEraserMode(value);
        return;
    }
    if (value == isEraserMode())
        return;
    document().setEraserMode(value);
    if (value && drawMode() != int(ElementFactory::penMode())) {
        // Only the pen's mode erases.
        leaveSelecting();
        document().setDrawMode(ElementFactory::penMode());
        emit drawModeChanged();
    }
    emit eraserModeChanged();
}

void MyPainter::setTextToDraw(const QString &value)
{
    if (value == m_textToDraw)
        return;
    m_textToDraw = value;
    emit textToDrawChanged();
}

void MyPainter::setTextSize(int value)
{
    if (value == m_textSize)
        return;
    m_textSize = value;
    emit textSizeChanged();
}

void MyPainter::setDrawMode(int value)
{
    if (m_source) {
        m_source->setDrawMode(value);
        return;
    }
    if (value == drawMode())
        return;
    if (isEraserMode()) {
        document().setEraserMode(false);
        emit eraserModeChanged();
    }
    // Nothing was being drawn in the selection tool: leaving it repaints nothing.
    const ElementType *previous =
        selecting() ? nullptr : ElementFactory::type(document().drawMode());
    if (value == SelectMode) {
        // The drawing mode stays for the next drawing tool; presses select meanwhile.
        m_selecting = true;
    } else {
        leaveSelecting();
        document().setDrawMode(ElementKind(value));
    }
    if (previous && previous->repaintWhenLeft)
        emit m_document->changed(everywhere()); // every view of the drawing
    emit drawModeChanged();
}

void MyPainter::setFadeOutTime(int value)
{
    if (value == m_fadeOutTime)
        return;
    m_fadeOutTime = value;
    emit fadeOutTimeChanged();
}

// ---------------------------------------------------------------- input and commands

void MyPainter::beginPaint(QPoint pos, bool smoothed)
{
    if (selecting()) {
        m_penPressure.reset();
        return;
    }
    document().setSmoothing(smoothed);
    document().beginPaint(toDrawing(pos), takePenPressure());
}

void MyPainter::movePaint(QPoint pos, bool shiftPressed)
{
    const double pressure = takePenPressure();
    // Nothing is drawn on an item without area, nor with the selection tool.
    if (width() <= 0 || height() <= 0 || selecting())
        return;
    document().movePaint(toDrawing(pos), shiftPressed, pressure);
}

void MyPainter::endPaint(QPoint pos, bool shiftPressed)
{
    m_penPressure.reset();
    if (!selecting())
        document().endPaint(toDrawing(pos), shiftPressed);
}

double MyPainter::takePenPressure()
{
    const double pressure = m_penPressure.value_or(1.0);
    m_penPressure.reset();
    return pressure;
}

void MyPainter::itemChange(ItemChange change, const ItemChangeData &value)
{
    if (change == ItemSceneChange)
        watchPenEvents(value.window);
    QQuickPaintedItem::itemChange(change, value);
}

void MyPainter::watchPenEvents(QQuickWindow *window)
{
    if (m_penWindow)
        m_penWindow->removeEventFilter(this);
    m_penWindow = window;
    if (m_penWindow)
        m_penWindow->installEventFilter(this);
    m_penPressure.reset();
}

bool MyPainter::eventFilter(QObject *watched, QEvent *event)
{
    // Only watched, never taken: left unaccepted, each pen event becomes a mouse event that
    // the overlay's pointer area turns into the paint calls.
    const QEvent::Type type = event->type();
    if (watched == m_penWindow && (type == QEvent::TabletPress || type == QEvent::TabletMove ||
                                   type == QEvent::TabletRelease)) {
        const auto *pen = static_cast<const QTabletEvent *>(event);
        const QPointingDevice *device = pen->pointingDevice();
        const bool senses =
            !device || device->capabilities().testFlag(QInputDevice::Capability::Pressure);
        if (type == QEvent::TabletPress || (type == QEvent::TabletMove && pen->buttons()))
            m_lastPenPressure = senses ? std::clamp(pen->pressure(), 0.0, 1.0) : 1.0;
        // A lifted pen reports none: its release keeps the pressure it last had.
        if (type != QEvent::TabletMove || pen->buttons())
            m_penPressure = m_lastPenPressure;
    }
    return QQuickPaintedItem::eventFilter(watched, event);
}

void MyPainter::addText(QPoint pos)
{
    document().addText(toDrawing(pos), m_textToDraw, m_textSize);
}

void MyPainter::undo()
{
    document().undo();
}

void MyPainter::redo()
{
    document().redo();
}

void MyPainter::undoGradient()
{
    document().undoGradient();
}

void MyPainter::clear()
{
    document().clear();
}

bool MyPainter::deleteElement(QPoint clickPos, int tolerance)
{
    // The tolerance is the item's pixels, like the click.
    return document().deleteElement(toDrawing(clickPos), qRound(tolerance * m_view.scale()));
}

void MyPainter::repeatDraw(int time)
{
    document().repeatDraw(time);
}

// ---------------------------------------------------------------- selection

void MyPainter::leaveSelecting()
{
    if (!m_selecting)
        return;
    m_selecting = false;
    document().clearSelection();
}

bool MyPainter::hasSelection() const
{
    return document().hasSelection();
}

void MyPainter::followSelection()
{
    // As wide as the ink, as drawingRect() is: the outline goes round the pen's edge.
    QRect extent;
    if (hasSelection()) {
        const QStringList ids = document().selectedIds();
        for (const auto &element : document().elements()) {
            if (!ids.contains(element->id()))
                continue;
            const int margin = element->penWidth() / 2 + 2;
            extent |= element->boundingRect().adjusted(-margin, -margin, margin, margin);
        }
    }
    const QRect now = extent.isEmpty() ? QRect() : m_view.toItem(extent);
    if (now == m_selectionRect)
        return;
    m_selectionRect = now;
    emit selectionChanged();
}

bool MyPainter::selectAt(QPoint pos)
{
    // The tolerance of a right click, in the item's pixels.
    document().selectAt(toDrawing(pos), qRound(10 * m_view.scale()));
    return hasSelection();
}

void MyPainter::selectIn(QRect rect)
{
    document().selectIn(m_view.toDrawing(rect.normalized()));
}

void MyPainter::clearSelection()
{
    document().clearSelection();
}

bool MyPainter::beginMove()
{
    if (!hasSelection())
        return false;
    document().beginMove();
    return true;
}

void MyPainter::moveSelection(QPoint offset)
{
    // An offset of the item's pixels is an offset of the drawing's at the view's scale.
    document().moveSelectionTo(toDrawing(offset) - toDrawing(QPoint(0, 0)));
}

void MyPainter::endMove()
{
    document().endMove();
}

bool MyPainter::deleteSelection()
{
    if (!hasSelection())
        return false;
    document().deleteSelection();
    return true;
}

bool MyPainter::duplicateSelection()
{
    if (!hasSelection())
        return false;
    document().duplicateSelection();
    return true;
}

bool MyPainter::recolourSelection(const QColor &colour)
{
    if (!hasSelection() || !colour.isValid())
        return false;
    document().restyleSelection(colour, DrawingDocument::UnchangedSize);
    return true;
}

bool MyPainter::resizeSelection(int size)
{
    if (!hasSelection() || size <= 0)
        return false;
    // The thickness is a pen width: a text or a numbered circle keeps its size.
    document().restyleSelection(QColor(), size, true);
    return true;
}

// ---------------------------------------------------------------- pixels and export

QRect MyPainter::bounds() const
{
    return QRect(0, 0, int(width()), int(height()));
}

QRect MyPainter::viewBounds() const
{
    return m_view.toDrawing(bounds());
}

void MyPainter::documentChanged(const QRect &region)
{
    if (const bool drawn = !document().elements().isEmpty(); drawn != m_hasDrawing) {
        m_hasDrawing = drawn;
        emit hasDrawingChanged();
    }
    const QRect repaint = m_renderer->changed(region, viewBounds());
    if (!repaint.isEmpty())
        update(m_view.toItem(repaint));
    // A moved or restyled selection changes its bounds.
    if (!m_selectionRect.isNull())
        followSelection();
    emit drawingChanged();
}

QRect MyPainter::drawingRect() const
{
    QRect extent;
    for (const auto &element : document().elements()) {
        const int margin = element->penWidth() / 2 + 2;
        extent |= element->boundingRect().adjusted(-margin, -margin, margin, margin);
    }
    return extent.isEmpty() ? QRect() : m_view.toItem(extent);
}

void MyPainter::paint(QPainter *painter)
{
    m_renderer->paint(painter, m_view, bounds().size());
}

// The scene graph shows the canvas as tiles, so that a change costs in proportion to the
// region it touches, not to the screen.
QSGNode *MyPainter::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<TiledCanvasNode *>(oldNode);
    if (!node)
        node = new TiledCanvasNode; // owned by the scene graph from here on
    // Painting a tile clears what the renderer was asked for; every tile needs all of it.
    const QRect dirty = m_renderer->pendingDirtyRect();
    // Tiles at the window's device pixels: crisp at 200 %, and on each screen of its own scale.
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    if (m_zoomFactor == 1.0) {
        m_realSize = QImage();
        node->setTileSize(TiledCanvasNode::TileSize);
        node->setOpaque(false);
        // A frame spends at most this long bringing the layers up to date; a huge drawing
        // fills in over the next frames while the screen keeps answering.
        m_renderer->beginFrame(QDeadlineTimer(FrameBudgetMs));
        node->update(window(), bounds().size(), ratio, m_view.toItem(dirty),
                     [this](QPainter *painter) { paint(painter); });
        const QRect next = m_renderer->endFrame(viewBounds());
        if (!next.isEmpty()) {
            // Asked from the GUI thread: this may run on the render thread.
            QMetaObject::invokeMethod(
                this,
                [this, next] {
                    const QRect repaint = m_renderer->changed(next, viewBounds());
                    if (!repaint.isEmpty())
                        update(m_view.toItem(repaint));
                },
                Qt::QueuedConnection);
        }
        return node;
    }
    // Magnified, the drawing is painted from its elements at the magnified scale, into
    // tiles of the whole magnified item; the pan only moves them, by whole device pixels.
    // Tiles come into view rough, enlarged from the drawing at real size, which costs
    // little, and are painted sharp once the view holds still.
    const ViewMapping magnified = m_view.magnified(m_zoomFactor);
    const QSize content = (QSizeF(bounds().size()) * m_zoomFactor).toSize();
    const QPointF shift = m_zoomPan * (m_zoomFactor - 1);
    const QPointF offset(std::round(shift.x() * ratio) / ratio,
                         std::round(shift.y() * ratio) / ratio);
    // Larger tiles than unmagnified: fewer pieces to paint and show per frame of a pan.
    node->setTileSize(2 * TiledCanvasNode::TileSize);
    const QSize deviceSize = DevicePixels::fromItem(bounds().size(), ratio);
    // With a backdrop every tile is opaque: the backdrop enlarged, the ink over it, and the
    // picture at real size that rough tiles are enlarged from holds both.
    const bool backdrop = !m_zoomBackdrop.isNull();
    const QImage::Format format =
        backdrop ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    node->setOpaque(backdrop);
    QRect stale = m_view.toItem(dirty);
    QRect contentDirty = magnified.toItem(dirty);
    if (m_realSize.size() != deviceSize || m_realSize.devicePixelRatio() != ratio ||
        m_realSize.format() != format || m_backdropChanged) {
        m_realSize = QImage(deviceSize, format);
        m_realSize.setDevicePixelRatio(ratio);
        stale = bounds();
        if (m_backdropChanged)
            contentDirty = QRect(QPoint(0, 0), content);
        m_backdropChanged = false;
    }
    if (!stale.isEmpty() && !m_realSize.isNull()) {
        QPainter painter(&m_realSize);
        DevicePixels::clearAndClip(&painter, stale);
        if (backdrop)
            painter.drawImage(QRectF(bounds()), m_zoomBackdrop);
        paint(&painter);
    }
    const auto paintBackdrop = [this, content](QPainter *painter) {
        if (m_zoomBackdrop.isNull())
            return;
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(QRectF(QPointF(0, 0), QSizeF(content)), m_zoomBackdrop);
    };
    const bool rough = node->update(
        window(), content, offset, bounds().size(), ratio, contentDirty,
        [this, magnified, content, &paintBackdrop](QPainter *painter) {
            paintBackdrop(painter);
            m_renderer->paintUncached(painter, magnified, content);
        },
        [this, content, backdrop](QPainter *painter) {
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            if (!backdrop) {
                // Nothing to enlarge where the drawing has no ink (a pixel more for the
                // filter).
                const qreal scale = m_realSize.width() / qreal(std::max(content.width(), 1));
                const QRectF area = painter->clipBoundingRect();
                const QRect source = QRectF(area.topLeft() * scale, area.size() * scale)
                                         .toAlignedRect()
                                         .adjusted(-1, -1, 1, 1);
                if (!DevicePixels::hasInk(m_realSize, source))
                    return;
            }
            painter->drawImage(QRectF(QPointF(0, 0), QSizeF(content)), m_realSize);
        });
    if (rough)
        QMetaObject::invokeMethod(
            this, [this] { update(); }, Qt::QueuedConnection);
    return node;
}

void MyPainter::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    // The whole drawing at once: a screen that comes back shows its drawings, and so does
    // a window that the window manager sized twice after a drawing was opened into it.
    const QRect repaint = m_renderer->resized(viewBounds());
    if (!repaint.isEmpty())
        update(m_view.toItem(repaint));
}

QString MyPainter::getExePath() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void MyPainter::renderToImage()
{
    if (document().elements().isEmpty() || width() <= 0 || height() <= 0)
        return;
    // The application directory when portable, the user's pictures folder when installed.
    saveImage(AppPaths::picturesDir(),
              QStringLiteral("screenshot_") +
                  QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
}

void MyPainter::renderToImage(const QUrl &target)
{
    if (document().elements().isEmpty() || width() <= 0 || height() <= 0) {
        qWarning() << "Failed to save image: nothing drawn";
        emit imageSaveFailed(QStringLiteral("nothing drawn"));
        return;
    }
    const QFileInfo file(target.isLocalFile() ? target.toLocalFile() : target.toString());
    QString baseName = file.fileName();
    if (baseName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        baseName.chop(4);
    if (baseName.isEmpty()) {
        qWarning() << "Failed to save image: no file name in" << target;
        emit imageSaveFailed(QStringLiteral("no file name"));
        return;
    }
    saveImage(file.absolutePath(), baseName);
}

// Only the drawings, on a transparent background, at the resolution the screen shows them
// (twice the item's size at 200 %).
QImage MyPainter::drawingImage() const
{
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    // Painted premultiplied as the canvas paints, handed out as plain ARGB32.
    QImage image(DevicePixels::fromItem(bounds().size(), ratio),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWorldTransform(m_view.toItemTransform());
    for (const DrawingDocument::ElementPtr &element : document().elements()) {
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Never replaces an earlier file; written beside and renamed into place.
void MyPainter::saveImage(const QString &folder, const QString &baseName)
{
    const ImageFileSaver::Result saved =
        ImageFileSaver::save(drawingImage(), folder, baseName, QStringLiteral(".png"));
    if (saved.ok()) {
        qDebug() << "Image saved to:" << saved.path;
        emit imageSaved(saved.path);
    } else {
        qWarning() << "Failed to save image" << saved.error;
        emit imageSaveFailed(saved.error);
    }
}

// ---------------------------------------------------------------- drawing files

// The local path a URL from a file dialog (or a plain path) names; empty for anything else.
static QString localPath(const QUrl &file)
{
    if (file.isLocalFile())
        return file.toLocalFile();
    if (file.scheme().isEmpty())
        return file.path();
    return QString();
}

bool MyPainter::saveDrawing(const QUrl &file)
{
    QString path = localPath(file);
    if (path.isEmpty()) {
        qWarning() << "Failed to save drawing: not a local file" << file;
        emit drawingSaveFailed(DrawingFile::tr("只能保存到本机的文件"));
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".qmark");
    if (!m_saver)
        m_saver = new DrawingSaver(this);
    QString error;
    // The picture holds what the views show, at the sharpest screen's resolution.
    QRect desktop = viewBounds();
    qreal ratio = window() ? window()->devicePixelRatio() : 1.0;
    for (const MyPainter *view : std::as_const(m_views)) {
        if (view) {
            desktop |= view->viewBounds();
            ratio = std::max(ratio, view->window() ? view->window()->devicePixelRatio() : 1.0);
        }
    }
    if (!m_saver->save(document(), path, desktop, ratio, &error)) {
        emit drawingSaveFailed(error);
        return false;
    }
    emit drawingSaved(QDir::toNativeSeparators(path));
    return true;
}

bool MyPainter::openDrawing(const QUrl &file)
{
    const QString path = localPath(file);
    if (path.isEmpty()) {
        qWarning() << "Failed to open drawing: not a local file" << file;
        emit drawingOpenFailed(DrawingFile::tr("只能打开本机的文件"));
        return false;
    }
    if (!m_loader) {
        m_loader = new DrawingLoader(this);
        connect(m_loader, &DrawingLoader::runningChanged, this, &MyPainter::loadingChanged);
        connect(m_loader, &DrawingLoader::progressChanged, this, &MyPainter::loadProgressChanged);
        connect(m_loader, &DrawingLoader::loaded, this,
                [this](const QString &opened, std::shared_ptr<DrawingFile::Loaded> drawing) {
                    document().replaceAll(drawing->elements, drawing->circleCounter);
                    document().setOpenedPicture(drawing->picture);
                    emit drawingOpened(QDir::toNativeSeparators(opened));
                });
        connect(m_loader, &DrawingLoader::failed, this,
                [this](const QString &, const QString &reason) { emit drawingOpenFailed(reason); });
        connect(m_loader, &DrawingLoader::cancelled, this, [this](const QString &opening) {
            qDebug() << "Opening cancelled:" << opening;
            emit drawingOpenCancelled();
        });
    }
    if (!m_loader->start(path)) {
        qWarning() << "Failed to open drawing: another one is being opened" << path;
        return false;
    }
    return true;
}

void MyPainter::cancelLoading()
{
    if (m_loader)
        m_loader->cancel();
}

bool MyPainter::isLoading() const
{
    return m_loader && m_loader->isRunning();
}

double MyPainter::loadProgress() const
{
    return m_loader ? m_loader->progress() : 0.0;
}
