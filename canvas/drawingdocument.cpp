#include "drawingdocument.h"

#include "drawingfile.h"
#include "elementfactory.h"
#include "elements/elementlimits.h"
#include "elements/freehandelement.h"
#include "elements/textelement.h"

#include <QDebug>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The eraser tests a point about every 5 px along a move. A move longer than any screen
// (only a broken caller sends one) is sampled more coarsely instead of stalling.
constexpr double EraserSpacing = 5.0;
constexpr qint64 EraserMaxSamples = 20000;

// Whether p lies too far from the element for its hit test to succeed with this tolerance.
// Every kind hits only within its tolerance plus its pen width of what it draws, and all it
// draws lies in its bounding rectangle; this saves the exact test for far-away elements.
bool outOfReach(const DrawingElement &element, QPoint p, int tolerance)
{
    const QRect b = element.boundingRect();
    if (b.isNull())
        return false;
    // Square caps of the freehand outline reach a corner, sqrt(2) times farther.
    const qint64 r = 2 * (std::abs(qint64(tolerance)) + std::abs(qint64(element.penWidth()))) + 2;
    return p.x() < b.left() - r || p.x() > b.right() + r || p.y() < b.top() - r ||
           p.y() > b.bottom() + r;
}

bool hits(const DrawingElement &element, QPoint p, int tolerance)
{
    return !outOfReach(element, p, tolerance) && element.hitTest(p, tolerance);
}

QRect boundsOf(const QList<DrawingDocument::ElementPtr> &elements)
{
    QRect bounds;
    for (const DrawingDocument::ElementPtr &element : elements)
        bounds |= element->boundingRect();
    return bounds;
}

int toInt(double v)
{
    return int(std::clamp(v, -2147483648.0, 2147483647.0));
}

} // namespace

DrawingDocument::DrawingDocument(QObject *parent)
    : QObject(parent), m_drawMode(ElementFactory::penMode())
{
}

DrawingDocument::~DrawingDocument()
{
    // The jobs call into the document; end them before the members go.
    for (const QPointer<FadeOutJob> &job : std::as_const(m_fadeJobs))
        delete job.data();
    delete m_breathJob.data();
}

void DrawingDocument::setDrawMode(ElementKind mode)
{
    resetGesture();
    m_drawMode = mode;
}

void DrawingDocument::setEraserMode(bool on)
{
    resetGesture();
    m_eraserMode = on;
}

void DrawingDocument::resetGesture()
{
    m_current.reset();
    m_stroke.points.clear();
    m_stroke.pressures.clear();
    m_newElementPending = true;
}

PenStyle DrawingDocument::elementPen() const
{
    // Whatever width was asked for, an element keeps to what a drawing file holds.
    PenStyle pen = m_pen;
    pen.width = std::clamp(pen.width, 0, DrawingFile::MaxPenWidth);
    return pen;
}

bool DrawingDocument::madeOnPress() const
{
    const ElementType *type = ElementFactory::type(m_drawMode);
    return type && type->makeOnPress;
}

bool DrawingDocument::inPenMode() const
{
    const ElementType *type = ElementFactory::type(m_drawMode);
    return type && type->penMode;
}

void DrawingDocument::emitHistoryChanged()
{
    emit canUndoChanged();
    emit canRedoChanged();
}

void DrawingDocument::append(const ElementPtr &element)
{
    m_elements.append(element);
    m_history.recordAdd(element);
    emitHistoryChanged();
}

// ---------------------------------------------------------------- gestures

void DrawingDocument::beginPaint(QPoint pos, double pressure)
{
    m_smoothingStroke = m_smoothing;
    m_smoother.begin(pos);
    m_stroke.start = pos;
    m_newElementPending = true;
    m_stroke.points = {pos};
    m_stroke.pressures = {FreehandElement::pressureLevel(pressure)};
    m_current.reset();

    if (madeOnPress()) {
        // Complete on the press (a numbered circle), with the next number.
        ++m_circleCounter;
        const ElementPtr element =
            ElementFactory::type(m_drawMode)->makeOnPress(pos, m_circleCounter, elementPen());
        append(element);
        emit changed(element->boundingRect());
    }
}

void DrawingDocument::movePaint(QPoint pos, bool shiftPressed, double pressure)
{
    if (madeOnPress())
        return;
    if (const ElementPtr current = m_current.lock(); current && current->isFull(m_stroke)) {
        // A gesture this long goes on as a new stroke from where the last one ended.
        const QPoint last = m_stroke.points.constLast();
        const quint8 lastPressure =
            m_stroke.pressures.value(m_stroke.pressures.size() - 1, FreehandElement::FullPressure);
        m_current.reset();
        m_stroke.points = {last};
        m_stroke.pressures = {lastPressure};
        m_newElementPending = true;
    }
    // A smoothed move also moves the Reach points behind the tip: the pieces through them are
    // drawn again, where they were before as well.
    const bool smoothing = m_smoothingStroke && inPenMode() && !m_eraserMode;
    const QRect before = smoothing ? m_stroke.tailBounds(StrokeSmoother::Reach + 2) : QRect();
    if (smoothing)
        m_smoother.append(m_stroke.points, pos);
    else
        m_stroke.points.append(pos);
    m_stroke.pressures.append(FreehandElement::pressureLevel(pressure));
    if (m_eraserMode && inPenMode()) {
        emit changed(eraseStep(pos));
        return;
    }

    ElementPtr current = m_current.lock();
    QRect region = current ? current->boundingRect() : QRect();
    bool created = false;
    if (!current && m_newElementPending) {
        current = ElementFactory::create(m_drawMode, m_stroke, elementPen());
        created = bool(current);
        if (created)
            m_newElementPending = false;
    }
    if (current) {
        current->dragTo(m_stroke, pos, shiftPressed);
        region |= current->boundingRect();
    }
    if (current && !created) {
        // The move changed the last three points, more with the points smoothing moved.
        region = current->dragRegion(m_stroke, region, smoothing ? StrokeSmoother::Reach + 3 : 3,
                                     before);
    }
    if (created) {
        append(current);
        m_current = current;
    }
    emit changed(region);
}

void DrawingDocument::endPaint(QPoint pos, bool shiftPressed)
{
    if (madeOnPress()) {
        // Done on the press; the release only ends the gesture.
        m_stroke.points.clear();
        m_stroke.pressures.clear();
        return;
    }
    QRect region;
    if (const ElementPtr current = m_current.lock()) {
        region = current->boundingRect();
        current->dragTo(m_stroke, pos, shiftPressed);
        region |= current->boundingRect();
    }
    m_current.reset();
    m_stroke.points.clear();
    m_stroke.pressures.clear();
    emit changed(region);
}

void DrawingDocument::addText(QPoint pos, const QString &text, int fontSize)
{
    if (text.isEmpty())
        return;
    // Kept to what a drawing file holds, so that every drawing made here opens again.
    auto element = std::make_shared<TextElement>(pos, text.left(DrawingFile::MaxTextLength),
                                                 std::clamp(fontSize, 0, DrawingFile::MaxFontSize),
                                                 m_pen.color, elementPen().width, m_pen.opacity);
    append(element);
    emit changed(element->boundingRect());
}

void DrawingDocument::addElement(const ElementPtr &element)
{
    if (!element || std::any_of(m_elements.cbegin(), m_elements.cend(),
                                [&](const ElementPtr &e) { return e->id() == element->id(); }))
        return;
    append(element);
    emit changed(element->boundingRect());
}

void DrawingDocument::clear()
{
    endMove();
    // Undoable as one step; an empty canvas records nothing.
    if (!m_elements.isEmpty()) {
        m_history.recordClear(m_elements);
        m_elements.clear();
    }
    setOpenedPicture(DrawingPicture());
    m_circleCounter = 0;
    settleFading();
    emitHistoryChanged();
    emit changed(QRect(0, 0, INT_MAX, INT_MAX)); // everything
    selectionMayHaveChanged();
}

void DrawingDocument::replaceAll(const QList<ElementPtr> &elements, int circleCounter)
{
    QList<ElementPtr> opened;
    opened.reserve(elements.size());
    // A set, not a search of the list: a drawing of 200,000 elements took seconds here.
    QSet<const DrawingElement *> seen;
    seen.reserve(elements.size());
    for (const ElementPtr &element : elements) {
        if (element && !seen.contains(element.get())) {
            seen.insert(element.get());
            opened.append(element);
        }
    }
    // The pulse belongs to the drawing that goes; a running fade goes on with the new bottom
    // element, as it does whenever its element leaves.
    stopBreathing();
    resetGesture();
    endMove();
    m_history.recordReplace(m_elements, opened, m_circleCounter, circleCounter);
    m_elements = opened;
    setOpenedPicture(DrawingPicture());
    m_circleCounter = circleCounter;
    settleFading();
    emitHistoryChanged();
    emit breathingChanged(false);
    emit changed(QRect(0, 0, INT_MAX, INT_MAX)); // everything
    selectionMayHaveChanged();
}

void DrawingDocument::setOpenedPicture(const DrawingPicture &picture)
{
    m_picture = picture;
    m_pictured.clear();
    m_picturedBounds = QRect();
    if (picture.isNull())
        return;
    m_pictured.reserve(m_elements.size());
    for (const ElementPtr &element : std::as_const(m_elements)) {
        m_pictured.emplace_back(element->serial(), element->revision());
        m_picturedBounds |= element->boundingRect();
    }
    emit changed(picture.area);
}

const DrawingPicture *DrawingDocument::openedPicture(qsizetype *shows, QRect *bounds) const
{
    if (m_picture.isNull())
        return nullptr;
    const qsizetype count = qsizetype(m_pictured.size());
    bool same = count <= m_elements.size();
    for (qsizetype i = 0; same && i < count; ++i) {
        const DrawingElement &element = *m_elements.at(i);
        same =
            element.serial() == m_pictured[i].first && element.revision() == m_pictured[i].second;
    }
    if (!same) {
        m_picture = DrawingPicture();
        m_pictured.clear();
        return nullptr;
    }
    *shows = count;
    if (bounds)
        *bounds = m_picturedBounds;
    return &m_picture;
}

// ---------------------------------------------------------------- history and removal

void DrawingDocument::undo()
{
    endMove();
    if (const std::optional<History::Change> change = m_history.undo(m_elements))
        historyStepped(*change, true);
}

void DrawingDocument::redo()
{
    endMove();
    if (const std::optional<History::Change> change = m_history.redo(m_elements))
        historyStepped(*change, false);
}

void DrawingDocument::historyStepped(const History::Change &change, bool undone)
{
    if (change.circleCounter) {
        // The numbers go on from where the drawing brought back left them.
        m_circleCounter = *change.circleCounter;
    } else if (madeOnPress()) {
        // The next numbered circle counts down with every undo made in that mode, and up
        // with every redo.
        if (!undone)
            ++m_circleCounter;
        else if (m_circleCounter > 0)
            --m_circleCounter;
    }
    settleFading();
    emit changed(change.region);
    emitHistoryChanged();
    selectionMayHaveChanged();
}

void DrawingDocument::prepareHitTests() const
{
    // A full render leaves every freehand stroke with its smoothed outline, which its hit
    // test then uses; nothing may have painted a stroke since it changed.
    for (const ElementPtr &element : m_elements)
        element->prepareHitTest();
}

bool DrawingDocument::deleteElement(QPoint p, int tolerance)
{
    prepareHitTests();
    for (qsizetype i = m_elements.size() - 1; i >= 0; --i) {
        if (!hits(*m_elements.at(i), p, tolerance))
            continue;
        const ElementPtr element = m_elements.takeAt(i);
        m_history.recordDelete(element);
        m_history.clearRedo();
        settleFading();
        emitHistoryChanged();
        emit changed(element->boundingRect());
        selectionMayHaveChanged();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- selection and its edits

QList<DrawingDocument::ElementPtr> DrawingDocument::selectedElements() const
{
    QList<ElementPtr> selected;
    if (m_selected.isEmpty())
        return selected;
    const QSet<QString> ids(m_selected.cbegin(), m_selected.cend());
    for (const ElementPtr &element : m_elements) {
        if (ids.contains(element->id()))
            selected.append(element);
    }
    return selected;
}

void DrawingDocument::setSelection(const QStringList &ids)
{
    if (ids == m_selected)
        return;
    m_selected = ids;
    emit selectionChanged();
}

void DrawingDocument::selectionMayHaveChanged()
{
    if (m_selected.isEmpty())
        return;
    QStringList kept;
    for (const ElementPtr &element : selectedElements())
        kept.append(element->id());
    m_selected = kept;
    emit selectionChanged();
}

void DrawingDocument::selectAt(QPoint p, int tolerance)
{
    prepareHitTests();
    for (qsizetype i = m_elements.size() - 1; i >= 0; --i) {
        if (hits(*m_elements.at(i), p, tolerance)) {
            setSelection({m_elements.at(i)->id()});
            return;
        }
    }
    setSelection({});
}

void DrawingDocument::selectIn(const QRect &r)
{
    const QRect area = r.normalized();
    QStringList ids;
    for (const ElementPtr &element : std::as_const(m_elements)) {
        const QRect bounds = element->boundingRect();
        if (!bounds.isEmpty() && area.contains(bounds))
            ids.append(element->id());
    }
    setSelection(ids);
}

void DrawingDocument::clearSelection()
{
    setSelection({});
}

QRect DrawingDocument::selectionBounds() const
{
    return boundsOf(selectedElements());
}

QPoint DrawingDocument::keptWithin(const QRect &bounds, QPoint wanted)
{
    // An element already beyond the limit may move back toward it, never farther out.
    const auto kept = [](qint64 v, qint64 low, qint64 high) {
        return int(std::clamp(v, std::min<qint64>(low, 0), std::max<qint64>(high, 0)));
    };
    constexpr qint64 m = ElementLimits::MaxCoordinate;
    if (bounds.isNull())
        return wanted;
    return QPoint(kept(wanted.x(), -m - bounds.left(), m - bounds.right()),
                  kept(wanted.y(), -m - bounds.top(), m - bounds.bottom()));
}

void DrawingDocument::beginMove()
{
    endMove();
    m_moveElements = selectedElements();
    if (m_moveElements.isEmpty())
        return;
    m_moving = true;
    m_moveOffset = QPoint();
    m_moveBounds = boundsOf(m_moveElements);
}

void DrawingDocument::moveSelectionTo(QPoint offsetFromStart)
{
    if (!m_moving)
        return;
    const QPoint offset = keptWithin(m_moveBounds, offsetFromStart);
    const QPoint step = offset - m_moveOffset;
    if (step.isNull())
        return;
    QRect region;
    for (const ElementPtr &element : std::as_const(m_moveElements)) {
        region |= element->boundingRect();
        element->moveBy(step);
        region |= element->boundingRect();
    }
    m_moveOffset = offset;
    emit changed(region);
    emit selectionChanged();
}

void DrawingDocument::endMove()
{
    if (!m_moving)
        return;
    m_moving = false;
    const QList<ElementPtr> moved = std::exchange(m_moveElements, {});
    if (m_moveOffset.isNull())
        return;
    qDebug() << "移动元素数:" << moved.size() << "偏移:" << m_moveOffset;
    m_history.recordMove(moved, m_moveOffset);
    emitHistoryChanged();
}

void DrawingDocument::restyleSelection(const QColor &color, int size, bool penWidthsOnly)
{
    endMove();
    QList<RestyleCommand::Change> changes;
    QRect region;
    for (const ElementPtr &element : selectedElements()) {
        const ElementStyle before = element->style();
        const bool keepSize =
            size == UnchangedSize || (penWidthsOnly && !element->sizeIsPenWidth());
        const ElementStyle wanted{color.isValid() ? color : before.color,
                                  keepSize ? before.size : size};
        region |= element->boundingRect();
        element->setStyle(wanted);
        region |= element->boundingRect();
        const ElementStyle after = element->style();
        if (after != before)
            changes.append({element, before, after});
    }
    if (changes.isEmpty())
        return;
    if (!DrawingFile::opensAgain(m_elements)) {
        // Saved like this, the drawing would not open again.
        for (const RestyleCommand::Change &change : std::as_const(changes))
            change.element->setStyle(change.before);
        qWarning() << "样式未修改：绘图将超出绘图文件的上限";
        return;
    }
    m_history.recordRestyle(changes);
    emitHistoryChanged();
    emit changed(region);
    emit selectionChanged();
}

void DrawingDocument::deleteSelection()
{
    endMove();
    const QList<ElementPtr> selected = selectedElements();
    if (selected.isEmpty())
        return;
    const QSet<const DrawingElement *> leaving = [&] {
        QSet<const DrawingElement *> set;
        for (const ElementPtr &element : selected)
            set.insert(element.get());
        return set;
    }();
    m_elements.removeIf([&](const ElementPtr &e) { return leaving.contains(e.get()); });
    m_history.recordDelete(selected);
    m_history.clearRedo();
    settleFading();
    emitHistoryChanged();
    emit changed(boundsOf(selected));
    setSelection({});
}

void DrawingDocument::duplicateSelection()
{
    endMove();
    const QList<ElementPtr> selected = selectedElements();
    if (selected.isEmpty())
        return;
    const QPoint offset = keptWithin(boundsOf(selected), DuplicateOffset);
    QList<ElementPtr> copies;
    QStringList ids;
    QRect region;
    for (const ElementPtr &element : selected) {
        ElementPtr copy = element->clone();
        copy->moveBy(offset);
        region |= copy->boundingRect();
        ids.append(copy->id());
        copies.append(std::move(copy));
    }
    if (!DrawingFile::opensAgain(m_elements + copies)) {
        qWarning() << "未复制：绘图将超出绘图文件的上限";
        return;
    }
    m_elements.append(copies);
    m_history.recordAdd(copies);
    emitHistoryChanged();
    emit changed(region);
    setSelection(ids);
}

QRect DrawingDocument::eraseStep(QPoint pos)
{
    if (m_newElementPending) {
        m_newElementPending = false;
        qDebug() << "开始新的擦除操作";
        m_history.beginEraserGroup();
        emitHistoryChanged();
    }

    // Samples along the move from the previous position, both ends included.
    const int tolerance = 2 * m_pen.width;
    const QList<QPoint> &points = m_stroke.points;
    const QPoint prev = points.size() >= 2 ? points.at(points.size() - 2) : pos;
    const double dx = double(pos.x()) - prev.x();
    const double dy = double(pos.y()) - prev.y();
    const double distance = std::sqrt(dx * dx + dy * dy);
    const qint64 n =
        std::clamp(qint64(std::round(distance / EraserSpacing)), qint64(1), EraserMaxSamples);
    QList<QPoint> samples;
    samples.reserve(n + 1);
    for (qint64 k = 0; k <= n; ++k) {
        samples.append(QPoint(toInt(prev.x() + dx * double(k) / double(n)),
                              toInt(prev.y() + dy * double(k) / double(n))));
    }

    prepareHitTests();
    QRect erased;
    for (qsizetype i = m_elements.size() - 1; i >= 0; --i) {
        const ElementPtr element = m_elements.at(i);
        if (std::none_of(samples.cbegin(), samples.cend(),
                         [&](const QPoint &s) { return hits(*element, s, tolerance); }))
            continue;
        qDebug() << "擦除元素 ID:" << element->id();
        m_elements.removeAt(i);
        if (m_history.recordErase(element))
            emit canUndoChanged();
        else
            qDebug() << "元素已存在于撤销/重做栈中，跳过添加到撤销栈";
        erased |= element->boundingRect();
    }
    settleFading();
    if (!erased.isNull())
        selectionMayHaveChanged();
    return erased;
}

// ---------------------------------------------------------------- timed effects

void DrawingDocument::changeOpacity(const ElementPtr &element, double opacity)
{
    element->setOpacity(opacity);
    emit changed(element->boundingRect());
}

void DrawingDocument::fadeStep(const ElementPtr &element, double opacity)
{
    if (std::none_of(m_fading.cbegin(), m_fading.cend(),
                     [&](const auto &f) { return f.first == element; }))
        m_fading.append({element, element->opacity()});
    changeOpacity(element, opacity);
}

void DrawingDocument::settleFading()
{
    m_fading.removeIf([this](const std::pair<ElementPtr, double> &f) {
        if (m_elements.contains(f.first))
            return false;
        f.first->setOpacity(f.second);
        return true;
    });
}

void DrawingDocument::deleteBottomElement()
{
    if (m_elements.isEmpty())
        return;
    const ElementPtr element = m_elements.takeFirst();
    m_history.recordFade(element);
    settleFading();
    emitHistoryChanged();
    emit changed(element->boundingRect());
    selectionMayHaveChanged();
}

QList<FadeOutJob *> DrawingDocument::fadeOutJobs() const
{
    QList<FadeOutJob *> jobs;
    for (const QPointer<FadeOutJob> &job : m_fadeJobs) {
        if (job && !job->isFinished())
            jobs.append(job.data());
    }
    return jobs;
}

void DrawingDocument::undoGradient()
{
    if (!m_history.canUndo()) {
        qDebug() << "没有可撤销的操作";
        return;
    }
    qDebug() << "执行渐变撤销操作, 固定渐变时间 =" << FadeOutJob::Steps * FadeOutJob::IntervalMs
             << "ms";
    if (m_elements.isEmpty())
        return;
    const double startOpacity = m_elements.first()->opacity();
    qDebug() << "开始渐变消失，总步数:" << FadeOutJob::Steps << "原始透明度:" << startOpacity;
    m_fadeJobs.removeIf([](const QPointer<FadeOutJob> &job) { return !job || job->isFinished(); });
    m_fadeJobs.append(new FadeOutJob(this, startOpacity, !m_manualTiming));
}

BreathingJob *DrawingDocument::breathingJob() const
{
    return m_breathJob && !m_breathJob->isFinished() ? m_breathJob.data() : nullptr;
}

DrawingDocument::ElementPtr DrawingDocument::breathTarget() const
{
    const BreathingJob *job = breathingJob();
    return job ? job->target() : nullptr;
}

double DrawingDocument::restingOpacity(const ElementPtr &element) const
{
    for (const auto &[fading, before] : m_fading) {
        if (fading == element)
            return before;
    }
    const BreathingJob *job = breathingJob();
    if (job && job->target() == element)
        return job->savedOpacity();
    return element->opacity();
}

void DrawingDocument::stopBreathing()
{
    if (BreathingJob *job = breathingJob())
        job->stop();
    m_breathJob = nullptr;
}

void DrawingDocument::repeatDraw(int time)
{
    const int n = int(m_elements.size());
    if (n == 0 || time == 0) {
        stopBreathing();
        emit breathingChanged(false);
        return;
    }
    const BreathingJob *running = breathingJob();
    if (time < 0 && running && running->lastCount() == n)
        return;
    stopBreathing();
    if (n == 1 && m_history.canUndo()) {
        qDebug() << "检测到undoGradient可能在同一元素上运行，不启动呼吸效果";
        emit breathingChanged(false);
        return;
    }
    const int period = time > 100 ? time : 3000;
    auto *job = new BreathingJob(this, period);
    connect(job, &BreathingJob::breathingChanged, this, &DrawingDocument::breathingChanged);
    m_breathJob = job;
    if (!m_manualTiming)
        job->start();
    qDebug() << "启动呼吸效果，周期:" << period << "ms, 目标元素索引:" << job->targetIndex();
}
