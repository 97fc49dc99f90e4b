#pragma once

#include "canvasrenderer.h"
#include "drawingdocument.h"
#include "drawingloader.h"
#include "drawingsaver.h"
#include "viewmapping.h"

#include <QColor>
#include <QList>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

// The annotation canvas item: shows one drawing, forwards the overlay's pointer calls to
// it and carries the pen state that the toolbar sets. What is drawn, its history and its
// timed effects live in the DrawingDocument; the pixels come from the CanvasRenderer.
// With a source it is one more view of the source's drawing (one per screen): the pen
// state and every command go to that drawing. Pointer positions are item positions; the
// drawing point under item point p is viewOrigin + p * viewScale, so views of screens of
// different scales share one plane. zoomFactor magnifies what the item shows about the item
// point zoomPan, painted from the elements at that scale (pointer positions are then the
// caller's to map back).
class MyPainter : public QQuickPaintedItem
{
    Q_OBJECT

    Q_PROPERTY(bool isBreath READ isBreath WRITE setIsBreath NOTIFY isBreathChanged FINAL)
    Q_PROPERTY(int penSize READ penSize WRITE setPenSize NOTIFY penSizeChanged FINAL)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor NOTIFY penColorChanged FINAL)
    Q_PROPERTY(double penOpacity READ penOpacity WRITE setPenOpacity NOTIFY penOpacityChanged FINAL)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged FINAL)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canRedoChanged FINAL)
    Q_PROPERTY(
        bool isEraserMode READ isEraserMode WRITE setIsEraserMode NOTIFY eraserModeChanged FINAL)
    Q_PROPERTY(
        QString textToDraw READ textToDraw WRITE setTextToDraw NOTIFY textToDrawChanged FINAL)
    Q_PROPERTY(int textSize READ textSize WRITE setTextSize NOTIFY textSizeChanged FINAL)
    Q_PROPERTY(int drawMode READ drawMode WRITE setDrawMode NOTIFY drawModeChanged FINAL)
    Q_PROPERTY(
        int fadeOutTime READ fadeOutTime WRITE setFadeOutTime NOTIFY fadeOutTimeChanged FINAL)
    Q_PROPERTY(bool hasDrawing READ hasDrawing NOTIFY hasDrawingChanged FINAL)
    Q_PROPERTY(MyPainter *source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(
        QPointF viewOrigin READ viewOrigin WRITE setViewOrigin NOTIFY viewOriginChanged FINAL)
    Q_PROPERTY(qreal viewScale READ viewScale WRITE setViewScale NOTIFY viewScaleChanged FINAL)
    Q_PROPERTY(qreal zoomFactor READ zoomFactor WRITE setZoomFactor NOTIFY zoomChanged FINAL)
    Q_PROPERTY(QPointF zoomPan READ zoomPan WRITE setZoomPan NOTIFY zoomChanged FINAL)
    // A drawing file is being opened (see openDrawing), and how far that got (0 to 1).
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged FINAL)
    Q_PROPERTY(double loadProgress READ loadProgress NOTIFY loadProgressChanged FINAL)
    // What the selection tool has selected, and its bounds in the item's coordinates (pen
    // width included; empty without a selection).
    Q_PROPERTY(bool hasSelection READ hasSelection NOTIFY selectionChanged FINAL)
    Q_PROPERTY(QRect selectionRect READ selectionRect NOTIFY selectionChanged FINAL)

public:
    // The longest a frame spends bringing the drawing's cached layers up to date.
    static constexpr int FrameBudgetMs = 40;

    enum DrawMode {
        FreehandMode = 0,
        LineMode = 1,
        CircleMode = 2,
        RectangleMode = 3,
        ArrowMode = 4,
        TextMode = 5,
        NumberedCircleMode = 6,
        // Not an element kind: presses select and move what is drawn.
        SelectMode = 7
    };
    Q_ENUM(DrawMode)

    explicit MyPainter(QQuickItem *parent = nullptr);
    ~MyPainter() override;

    bool isBreath() const { return m_isBreath; }
    void setIsBreath(bool value);
    int penSize() const { return document().pen().width; }
    void setPenSize(int value);
    QColor penColor() const { return document().pen().color; }
    void setPenColor(const QColor &value);
    double penOpacity() const { return document().pen().opacity; }
    void setPenOpacity(double value);
    bool canUndo() const { return document().history().canUndo(); }
    bool canRedo() const { return document().history().canRedo(); }
    bool isEraserMode() const { return document().isEraserMode(); }
    void setIsEraserMode(bool value);
    QString textToDraw() const { return m_textToDraw; }
    void setTextToDraw(const QString &value);
    int textSize() const { return m_textSize; }
    void setTextSize(int value);
    int drawMode() const { return selecting() ? int(SelectMode) : int(document().drawMode()); }
    void setDrawMode(int value);
    int fadeOutTime() const { return m_fadeOutTime; }
    void setFadeOutTime(int value);
    bool hasDrawing() const { return m_hasDrawing; }
    MyPainter *source() const { return m_source; }
    // Refused (logged) when it would make a circle of sources.
    void setSource(MyPainter *value);
    QPointF viewOrigin() const { return m_view.origin(); }
    void setViewOrigin(QPointF value);
    qreal viewScale() const { return m_view.scale(); }
    // Anything but a positive scale counts as 1.
    void setViewScale(qreal value);
    qreal zoomFactor() const { return m_zoomFactor; }
    // Below 1 (or not a number) counts as 1: not magnified.
    void setZoomFactor(qreal value);
    QPointF zoomPan() const { return m_zoomPan; }
    void setZoomPan(QPointF value);
    // An opaque picture of what lies under the drawing, of the item's size (the zoom's still
    // of the screen). Magnified, the canvas paints it under its ink into the same opaque
    // tiles, so that the scene graph copies one layer instead of blending the ink's tiles
    // over a second one at every frame of a pan. Unmagnified it is not shown.
    void setZoomBackdrop(const QImage &picture);
    const QImage &zoomBackdrop() const { return m_zoomBackdrop; }
    const ViewMapping &view() const { return m_view; }
    // The item pixels that a rectangle of the drawing covers (unmagnified).
    QRect toItem(const QRect &drawingRect) const { return m_view.toItem(drawingRect); }

    // With a tablet pen the window's pen events come first, each followed by the mouse event
    // Qt makes of it that reaches these: the points take the pen's pressure. Any other caller
    // (a mouse, the keyboard pen) presses fully.
    // smoothed: whether a freehand stroke begun here takes the jitter out of its points.
    Q_INVOKABLE void beginPaint(QPoint pos, bool smoothed = false);
    Q_INVOKABLE void movePaint(QPoint pos, bool shiftPressed);
    // Whether the mouse event being handled now was made from a tablet pen's event.
    Q_INVOKABLE bool fromPen() const { return m_penPressure.has_value(); }
    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void undoGradient();
    Q_INVOKABLE void clear();
    Q_INVOKABLE void addText(QPoint pos);
    Q_INVOKABLE QString getExePath() const;
    Q_INVOKABLE void endPaint(QPoint pos, bool shiftPressed);
    Q_INVOKABLE bool deleteElement(QPoint clickPos, int tolerance = 10);
    Q_INVOKABLE void renderToImage();
    // Saves the drawings as a PNG named like target (a file URL or path); a name already
    // taken gets a counter instead of being replaced. Empty drawings give imageSaveFailed.
    Q_INVOKABLE void renderToImage(const QUrl &target);
    Q_INVOKABLE void repeatDraw(int time = 3000);
    // Where the drawing has pixels, in the item's coordinates (pen width included); empty
    // without a drawing.
    Q_INVOKABLE QRect drawingRect() const;
    // Saves the drawing as a ".qmark" file (the suffix is added when the name has none);
    // file is a local file URL or path. The outcome also comes as a signal, for the
    // documents to show.
    Q_INVOKABLE bool saveDrawing(const QUrl &file);
    // Starts opening a drawing file in place of the drawing, on a worker thread; once read
    // it replaces the drawing as one undoable step. False when nothing started (not a
    // local file, or a file is being opened already). Ends with drawingOpened,
    // drawingOpenFailed or, after cancelLoading, drawingOpenCancelled.
    Q_INVOKABLE bool openDrawing(const QUrl &file);
    Q_INVOKABLE void cancelLoading();

    // The selection tool. Points are item points, as for painting; every change is one
    // undoable step of the drawing. Leaving the tool drops the selection.
    // Selects the topmost element at pos alone (nothing when none is there); whether one is.
    Q_INVOKABLE bool selectAt(QPoint pos);
    // Selects every element that lies wholly within rect.
    Q_INVOKABLE void selectIn(QRect rect);
    Q_INVOKABLE void clearSelection();
    // A drag of the selection: offset is from where it began. Whether a drag began.
    Q_INVOKABLE bool beginMove();
    Q_INVOKABLE void moveSelection(QPoint offset);
    Q_INVOKABLE void endMove();
    // Each whether there was a selection to act on.
    Q_INVOKABLE bool deleteSelection();
    // Copies a little aside, which become the selection.
    Q_INVOKABLE bool duplicateSelection();
    Q_INVOKABLE bool recolourSelection(const QColor &colour);
    Q_INVOKABLE bool resizeSelection(int size);
    bool hasSelection() const;
    QRect selectionRect() const { return m_selectionRect; }
    bool isLoading() const;
    double loadProgress() const;

    void paint(QPainter *painter) override;

    // The drawing this item shows (the source's when it has one), and how it turns it into
    // pixels.
    DrawingDocument &document() { return m_source ? m_source->document() : *m_document; }
    const DrawingDocument &document() const
    {
        return m_source ? m_source->document() : *m_document;
    }
    const CanvasRenderer &renderer() const { return *m_renderer; }

signals:
    void isBreathChanged();
    void penSizeChanged();
    void penColorChanged();
    void penOpacityChanged();
    void canUndoChanged();
    void canRedoChanged();
    void eraserModeChanged();
    void textToDrawChanged();
    void textSizeChanged();
    void drawModeChanged();
    void fadeOutTimeChanged();
    void hasDrawingChanged();
    // The outcome of renderToImage, for the documents to show.
    void imageSaved(const QString &path);
    void imageSaveFailed(const QString &reason);
    void drawingSaved(const QString &path);
    void drawingSaveFailed(const QString &reason);
    void drawingOpened(const QString &path);
    void drawingOpenFailed(const QString &reason);
    void drawingOpenCancelled();
    void loadingChanged();
    void loadProgressChanged();
    void sourceChanged();
    void viewOriginChanged();
    void viewScaleChanged();
    void zoomChanged();
    // Any change of the drawing (each step of a stroke too).
    void drawingChanged();
    void selectionChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    QRect bounds() const;
    // The pressure of the pen event just before this call, else 1.
    double takePenPressure();
    void watchPenEvents(QQuickWindow *window);
    // The item's area in the drawing's coordinates.
    QRect viewBounds() const;
    QPoint toDrawing(QPoint itemPoint) const { return m_view.toDrawing(itemPoint); }
    void setView(const ViewMapping &view);
    // Follows the drawing shown now and paints it afresh.
    void showDocument();
    void releaseSource();
    void documentChanged(const QRect &region);
    void setPen(int width, const QColor &color, double opacity);
    bool selecting() const { return m_source ? m_source->selecting() : m_selecting; }
    // Drops the selection tool (and with it the selection) for another tool.
    void leaveSelecting();
    // Follows the selection's bounds; selectionChanged when they differ.
    void followSelection();
    QImage drawingImage() const;
    void saveImage(const QString &folder, const QString &baseName);

    std::unique_ptr<DrawingDocument> m_document;
    std::unique_ptr<CanvasRenderer> m_renderer;
    DrawingLoader *m_loader = nullptr;  // made on first use, a child of the item
    DrawingSaver *m_saver = nullptr;    // the same
    QList<QPointer<MyPainter>> m_views; // the views with this one as their source
    QPointer<MyPainter> m_source;
    ViewMapping m_view;
    qreal m_zoomFactor = 1.0;
    // While magnified: the drawing at real size (over the backdrop, if any), in device
    // pixels, for the tiles that come into view to show enlarged until they are painted
    // from the elements.
    QImage m_realSize;
    QImage m_zoomBackdrop;
    bool m_backdropChanged = false;
    QPointF m_zoomPan;
    QList<QMetaObject::Connection> m_links;
    QPointer<QQuickWindow> m_penWindow;  // whose pen events are watched
    std::optional<double> m_penPressure; // of the last pen event, until a paint call takes it
    double m_lastPenPressure = 1.0;
    bool m_isBreath = false;
    QString m_textToDraw;
    int m_textSize = 20;
    int m_fadeOutTime = 0;
    bool m_hasDrawing = false;
    bool m_selecting = false;
    QRect m_selectionRect; // in item coordinates
};
