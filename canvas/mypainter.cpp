#include "mypainter.h"

#include "apppaths.h"
#include "devicepixels.h"
#include "drawingfile.h"
#include "imagefilesaver.h"
#include "tiledcanvasnode.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QQuickWindow>

// A draw mode makes the element kind of the same value.
static_assert(int(ElementKind::Freehand) == MyPainter::FreehandMode);
static_assert(int(ElementKind::Line) == MyPainter::LineMode);
static_assert(int(ElementKind::Circle) == MyPainter::CircleMode);
static_assert(int(ElementKind::Rectangle) == MyPainter::RectangleMode);
static_assert(int(ElementKind::Arrow) == MyPainter::ArrowMode);
static_assert(int(ElementKind::Text) == MyPainter::TextMode);
static_assert(int(ElementKind::NumberedCircle) == MyPainter::NumberedCircleMode);

MyPainter::MyPainter(QQuickItem *parent)
    : QQuickPaintedItem(parent), m_document(std::make_unique<DrawingDocument>()),
      m_renderer(*m_document)
{
    qDebug() << "Create MyPainter";
    setRenderTarget(QQuickPaintedItem::Image);
    setAntialiasing(true);
    connect(m_document.get(), &DrawingDocument::changed, this, &MyPainter::documentChanged);
    connect(m_document.get(), &DrawingDocument::canUndoChanged, this, &MyPainter::canUndoChanged);
    connect(m_document.get(), &DrawingDocument::canRedoChanged, this, &MyPainter::canRedoChanged);
    connect(m_document.get(), &DrawingDocument::breathingChanged, this, &MyPainter::setIsBreath);
}

MyPainter::~MyPainter()
{
    // The document's jobs report into this item until they end.
    m_document->disconnect(this);
}

// ---------------------------------------------------------------- properties

void MyPainter::setIsBreath(bool value)
{
    m_isBreath = value;
    emit isBreathChanged();
}

void MyPainter::setPen(int width, const QColor &color, double opacity)
{
    m_document->setPen(PenStyle{color, width, opacity});
}

void MyPainter::setPenSize(int value)
{
    if (value == penSize())
        return;
    setPen(value, penColor(), penOpacity());
    emit penSizeChanged();
}

void MyPainter::setPenColor(const QColor &value)
{
    if (value == penColor())
        return;
    setPen(penSize(), value, penOpacity());
    emit penColorChanged();
}

void MyPainter::setPenOpacity(double value)
{
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
    if (value == isEraserMode())
        return;
    m_document->setEraserMode(value);
    if (value && drawMode() != FreehandMode) {
        // Only the freehand mode erases.
        m_document->setDrawMode(ElementKind::Freehand);
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
    if (value == drawMode())
        return;
    if (isEraserMode()) {
        m_document->setEraserMode(false);
        emit eraserModeChanged();
    }
    const int previous = drawMode();
    m_document->setDrawMode(ElementKind(value));
    if (previous == ArrowMode)
        documentChanged(bounds());
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

void MyPainter::beginPaint(QPoint pos)
{
    m_document->beginPaint(pos);
}

void MyPainter::movePaint(QPoint pos, bool shiftPressed)
{
    // Nothing is drawn on an item without area.
    if (width() <= 0 || height() <= 0)
        return;
    m_document->movePaint(pos, shiftPressed);
}

void MyPainter::endPaint(QPoint pos, bool shiftPressed)
{
    m_document->endPaint(pos, shiftPressed);
}

void MyPainter::addText(QPoint pos)
{
    m_document->addText(pos, m_textToDraw, m_textSize);
}

void MyPainter::undo()
{
    m_document->undo();
}

void MyPainter::redo()
{
    m_document->redo();
}

void MyPainter::undoGradient()
{
    m_document->undoGradient();
}

void MyPainter::clear()
{
    m_document->clear();
}

bool MyPainter::deleteElement(QPoint clickPos, int tolerance)
{
    return m_document->deleteElement(clickPos, tolerance);
}

void MyPainter::repeatDraw(int time)
{
    m_document->repeatDraw(time);
}

// ---------------------------------------------------------------- pixels and export

QRect MyPainter::bounds() const
{
    return QRect(0, 0, int(width()), int(height()));
}

void MyPainter::documentChanged(const QRect &region)
{
    if (const bool drawn = !m_document->elements().isEmpty(); drawn != m_hasDrawing) {
        m_hasDrawing = drawn;
        emit hasDrawingChanged();
    }
    const QRect repaint = m_renderer.changed(region, bounds());
    if (!repaint.isEmpty())
        update(repaint);
}

void MyPainter::paint(QPainter *painter)
{
    m_renderer.paint(painter, bounds());
}

// The scene graph shows the canvas as tiles, so that a change costs in proportion to the
// region it touches, not to the screen.
QSGNode *MyPainter::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<TiledCanvasNode *>(oldNode);
    if (!node)
        node = new TiledCanvasNode; // owned by the scene graph from here on
    // Painting a tile clears what the renderer was asked for; every tile needs all of it.
    const QRect dirty = m_renderer.pendingDirtyRect();
    // Tiles at the window's device pixels: crisp at 200 %, and on each screen of its own scale.
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    node->update(window(), bounds().size(), ratio, dirty,
                 [this](QPainter *painter) { paint(painter); });
    return node;
}

void MyPainter::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    const QRect repaint =
        m_renderer.resized(QSize(int(newGeometry.width()), int(newGeometry.height())),
                           QSize(int(oldGeometry.width()), int(oldGeometry.height())));
    if (!repaint.isEmpty())
        update(repaint);
}

QString MyPainter::getExePath() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void MyPainter::renderToImage()
{
    if (m_document->elements().isEmpty() || width() <= 0 || height() <= 0)
        return;
    // The application directory when portable, the user's pictures folder when installed.
    saveImage(AppPaths::picturesDir(),
              QStringLiteral("screenshot_") +
                  QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
}

void MyPainter::renderToImage(const QUrl &target)
{
    if (m_document->elements().isEmpty() || width() <= 0 || height() <= 0) {
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
    QImage image(DevicePixels::fromItem(bounds().size(), ratio), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const DrawingDocument::ElementPtr &element : m_document->elements()) {
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    return image;
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
    QString error;
    if (!DrawingFile::save(*m_document, path, &error)) {
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
    QString error;
    const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, &error);
    if (!loaded) {
        emit drawingOpenFailed(error);
        return false;
    }
    m_document->replaceAll(loaded->elements, loaded->circleCounter);
    emit drawingOpened(QDir::toNativeSeparators(path));
    return true;
}
