#include "mypainter.h"

#include "breathingjob.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"
#include "fadeoutjob.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int UndoDepth = 20;
constexpr int TileSize = 512;
constexpr int FadeDurationMs = FadeOutJob::Steps * FadeOutJob::IntervalMs;
// The eraser tests a point about every 5 px along a move. A move longer than any screen
// (only a broken caller sends one) is sampled more coarsely instead of stalling.
constexpr double EraserSpacing = 5.0;
constexpr qint64 EraserMaxSamples = 20000;

int clampToInt(double v)
{
    if (!(v == v))
        return 0;
    return int(std::clamp(v, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

// Keeps the length of the line and turns it to the nearest multiple of 45 degrees.
QPoint snap45(QPoint start, QPoint p)
{
    const double dx = double(p.x()) - start.x();
    const double dy = double(p.y()) - start.y();
    if (std::abs(dx) < 1e-6 && std::abs(dy) < 1e-6)
        return start;
    const double angle = std::atan2(dy, dx) * 180.0 / M_PI;
    const double snapped = std::round(angle / 45.0) * 45.0 * M_PI / 180.0;
    const double length = std::sqrt(dx * dx + dy * dy);
    return QPoint(clampToInt(std::round(start.x() + std::cos(snapped) * length)),
                  clampToInt(std::round(start.y() + std::sin(snapped) * length)));
}

QPoint snapSquare(QPoint start, QPoint p)
{
    const qint64 dx = qint64(p.x()) - start.x();
    const qint64 dy = qint64(p.y()) - start.y();
    const qint64 m = std::max(std::abs(dx), std::abs(dy));
    return QPoint(clampToInt(double(dx >= 0 ? start.x() + m : start.x() - m)),
                  clampToInt(double(dy >= 0 ? start.y() + m : start.y() - m)));
}

int truncatedDistance(QPoint a, QPoint b)
{
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    return clampToInt(std::sqrt(dx * dx + dy * dy));
}

bool hasEntry(const QList<HistoryAction> &stack, const QString &id, bool deleteToo)
{
    return std::any_of(stack.cbegin(), stack.cend(), [&](const HistoryAction &a) {
        return a.elementId == id && (a.actionType == HistoryAction::Erase ||
                                     (deleteToo && a.actionType == HistoryAction::Delete));
    });
}

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

} // namespace

MyPainter::MyPainter(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    qDebug() << "Create MyPainter";
    setRenderTarget(QQuickPaintedItem::Image);
    setAntialiasing(true);
}

MyPainter::~MyPainter()
{
    // The jobs call back into the canvas; end them before the members go.
    for (const QPointer<FadeOutJob> &job : std::as_const(m_fadeJobs))
        delete job.data();
    delete m_breathJob.data();
}

// ---------------------------------------------------------------- properties

void MyPainter::setIsBreath(bool value)
{
    m_isBreath = value;
    emit isBreathChanged();
}

void MyPainter::setPenSize(int value)
{
    if (value == m_penSize)
        return;
    m_penSize = value;
    emit penSizeChanged();
}

void MyPainter::setPenColor(const QColor &value)
{
    if (value == m_penColor)
        return;
    m_penColor = value;
    emit penColorChanged();
}

void MyPainter::setPenOpacity(double value)
{
    if (value == m_penOpacity)
        return;
    double stored = value;
    if (stored > 1.0)
        stored = 1.0;
    else if (!(stored > 0.0)) // also NaN
        stored = 0.0;
    m_penOpacity = stored;
    qDebug() << "透明度已设置为:" << m_penOpacity;
    emit penOpacityChanged();
}

void MyPainter::setIsEraserMode(bool value)
{
    if (value == m_isEraserMode)
        return;
    m_isEraserMode = value;
    resetGesture();
    if (value && m_drawMode != FreehandMode) {
        m_drawMode = FreehandMode;
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
    if (value == m_drawMode)
        return;
    resetGesture();
    if (m_isEraserMode) {
        m_isEraserMode = false;
        emit eraserModeChanged();
    }
    const int previous = m_drawMode;
    m_drawMode = value;
    if (previous == ArrowMode)
        redrawAll();
    emit drawModeChanged();
}

void MyPainter::setFadeOutTime(int value)
{
    if (value == m_fadeOutTime)
        return;
    m_fadeOutTime = value;
    emit fadeOutTimeChanged();
}

void MyPainter::resetGesture()
{
    m_currentElement.reset();
    m_currentPoints.clear();
    m_newElementPending = true;
}

// ---------------------------------------------------------------- gestures

void MyPainter::beginPaint(QPoint pos)
{
    m_startPoint = pos;
    m_newElementPending = true;
    m_currentPoints.clear();
    m_currentPoints.append(pos);
    m_currentElement.reset();

    if (m_drawMode == NumberedCircleMode) {
        // A numbered circle is complete on the press.
        ++m_circleCounter;
        auto circle = std::make_shared<NumberedCircleElement>(pos, m_circleCounter, m_penColor,
                                                              m_penSize, m_penOpacity);
        createElement(circle);
        redrawCanvas(circle->boundingRect());
    }
}

void MyPainter::movePaint(QPoint pos, bool shiftPressed)
{
    if (width() <= 0 || height() <= 0 || m_drawMode == NumberedCircleMode)
        return;
    m_currentPoints.append(pos);

    QPoint target = pos;
    if (shiftPressed && m_drawMode == LineMode)
        target = snap45(m_startPoint, pos);
    else if (shiftPressed && m_drawMode == RectangleMode)
        target = snapSquare(m_startPoint, pos);

    if (m_isEraserMode && m_drawMode == FreehandMode) {
        redrawCanvas(eraseStep(pos));
        return;
    }

    const ElementPtr current = m_currentElement.lock();
    const QRect before = current ? current->boundingRect() : QRect();
    ElementPtr created;

    switch (m_drawMode) {
    case FreehandMode:
        if (m_newElementPending) {
            m_newElementPending = false;
            created = std::make_shared<FreehandElement>(m_currentPoints, m_penColor, m_penSize,
                                                        m_penOpacity);
        } else if (auto stroke = std::dynamic_pointer_cast<FreehandElement>(current)) {
            stroke->setPoints(m_currentPoints);
        }
        break;
    case LineMode:
    case ArrowMode:
    case RectangleMode: {
        const QPoint end = m_drawMode == ArrowMode ? pos : target;
        if (current) {
            if (auto line = std::dynamic_pointer_cast<LineElement>(current))
                line->setEnd(end);
            else if (auto arrow = std::dynamic_pointer_cast<ArrowElement>(current))
                arrow->setEnd(end);
            else if (auto rect = std::dynamic_pointer_cast<RectangleElement>(current))
                rect->setEnd(end);
        } else if (m_newElementPending) {
            if (m_drawMode == LineMode)
                created = std::make_shared<LineElement>(m_startPoint, end, m_penColor, m_penSize,
                                                        m_penOpacity);
            else if (m_drawMode == ArrowMode)
                created = std::make_shared<ArrowElement>(m_startPoint, end, m_penColor, m_penSize,
                                                         m_penOpacity);
            else
                created = std::make_shared<RectangleElement>(m_startPoint, end, m_penColor,
                                                             m_penSize, m_penOpacity);
            m_newElementPending = false;
        }
        break;
    }
    case CircleMode: {
        const int radius = truncatedDistance(m_startPoint, pos);
        if (current) {
            if (auto circle = std::dynamic_pointer_cast<CircleElement>(current))
                circle->setRadius(radius);
        } else if (m_newElementPending) {
            created = std::make_shared<CircleElement>(m_startPoint, radius, m_penColor, m_penSize,
                                                      m_penOpacity);
            m_newElementPending = false;
        }
        break;
    }
    default:
        break;
    }

    QRect changed = before;
    if (created) {
        createElement(created);
        m_currentElement = created;
        changed |= created->boundingRect();
    } else if (current) {
        changed |= current->boundingRect();
    }
    redrawCanvas(changed);
}

void MyPainter::endPaint(QPoint pos, bool shiftPressed)
{
    if (m_drawMode == NumberedCircleMode)
        return;
    const ElementPtr current = m_currentElement.lock();
    const QRect before = current ? current->boundingRect() : QRect();

    if (shiftPressed && (m_drawMode == LineMode || m_drawMode == RectangleMode)) {
        if (current) {
            const QPoint end =
                m_drawMode == LineMode ? snap45(m_startPoint, pos) : snapSquare(m_startPoint, pos);
            if (auto line = std::dynamic_pointer_cast<LineElement>(current))
                line->setEnd(end);
            else if (auto rect = std::dynamic_pointer_cast<RectangleElement>(current))
                rect->setEnd(end);
        }
    } else if (current) {
        switch (m_drawMode) {
        case FreehandMode:
            if (!m_currentPoints.isEmpty() && m_currentPoints.last() != pos)
                m_currentPoints.append(pos);
            if (auto stroke = std::dynamic_pointer_cast<FreehandElement>(current))
                stroke->setPoints(m_currentPoints);
            break;
        case LineMode:
        case RectangleMode:
        case ArrowMode:
            if (auto line = std::dynamic_pointer_cast<LineElement>(current))
                line->setEnd(pos);
            else if (auto arrow = std::dynamic_pointer_cast<ArrowElement>(current))
                arrow->setEnd(pos);
            else if (auto rect = std::dynamic_pointer_cast<RectangleElement>(current))
                rect->setEnd(pos);
            break;
        case CircleMode:
            if (auto circle = std::dynamic_pointer_cast<CircleElement>(current))
                circle->setRadius(truncatedDistance(m_startPoint, pos));
            break;
        default:
            break;
        }
    }

    QRect changed = before;
    if (current)
        changed |= current->boundingRect();
    m_currentElement.reset();
    m_currentPoints.clear();
    redrawCanvas(changed);
}

void MyPainter::addText(QPoint pos)
{
    if (m_textToDraw.isEmpty())
        return;
    auto text = std::make_shared<TextElement>(pos, m_textToDraw, m_textSize, m_penColor, m_penSize,
                                              m_penOpacity);
    createElement(text);
    redrawCanvas(text->boundingRect());
}

void MyPainter::addElement(std::shared_ptr<DrawingElement> element)
{
    if (!element || indexOf(element->id()) >= 0)
        return;
    const QRect region = element->boundingRect();
    createElement(element);
    redrawCanvas(region);
}

void MyPainter::clear()
{
    m_elements.clear();
    m_undoStack.clear();
    m_redoStack.clear();
    m_circleCounter = 0;
    emitHistoryChanged();
    redrawAll();
}

// ---------------------------------------------------------------- history

int MyPainter::indexOf(const QString &id) const
{
    for (qsizetype i = 0; i < m_elements.size(); ++i) {
        if (m_elements.at(i)->id() == id)
            return int(i);
    }
    return -1;
}

void MyPainter::emitHistoryChanged()
{
    emit canUndoChanged();
    emit canRedoChanged();
}

void MyPainter::createElement(const ElementPtr &element)
{
    m_elements.append(element);
    recordAdd(element);
}

void MyPainter::recordAdd(const ElementPtr &element)
{
    m_undoStack.append(HistoryAction{HistoryAction::Add, element->id(), element});
    m_redoStack.clear();
    emitHistoryChanged();
}

void MyPainter::recordDelete(const ElementPtr &element)
{
    m_undoStack.append(HistoryAction{HistoryAction::Delete, element->id(), element});
    trimUndoStack();
}

void MyPainter::trimUndoStack()
{
    while (m_undoStack.size() > UndoDepth)
        m_undoStack.removeFirst();
}

void MyPainter::undo()
{
    if (m_undoStack.isEmpty()) {
        qDebug() << "没有可撤销的操作";
        return;
    }
    qDebug() << "执行撤销操作";
    const HistoryAction entry = m_undoStack.takeLast();
    QRect changed(0, 0, 0, 0);

    switch (entry.actionType) {
    case HistoryAction::Add: {
        const int index = indexOf(entry.elementId);
        if (index >= 0) {
            qDebug() << "撤销添加操作，移除元素 ID:" << entry.elementId;
            const ElementPtr element = m_elements.takeAt(index);
            m_redoStack.append(HistoryAction{HistoryAction::Add, entry.elementId, element});
            changed |= element->boundingRect();
        }
        break;
    }
    case HistoryAction::Delete:
    case HistoryAction::Erase:
        qDebug() << "撤销删除/擦除操作，恢复元素 ID:" << entry.elementId;
        if (indexOf(entry.elementId) >= 0) {
            qDebug() << "元素已在列表中，跳过恢复操作";
        } else if (entry.element) {
            m_redoStack.append(entry);
            m_elements.append(entry.element);
            changed |= entry.element->boundingRect();
        }
        break;
    case HistoryAction::EraserGroup:
        qDebug() << "撤销橡皮擦组操作 ID:" << entry.elementId;
        m_redoStack.append(entry);
        while (!m_undoStack.isEmpty() && m_undoStack.last().actionType == HistoryAction::Erase) {
            const HistoryAction erased = m_undoStack.takeLast();
            qDebug() << "  恢复被擦除的元素 ID:" << erased.elementId;
            if (indexOf(erased.elementId) >= 0) {
                qDebug() << "  元素已在列表中，跳过恢复操作";
            } else if (erased.element) {
                m_redoStack.append(erased);
                m_elements.append(erased.element);
                changed |= erased.element->boundingRect();
            }
        }
        break;
    default:
        break;
    }

    if (m_drawMode == NumberedCircleMode && m_circleCounter > 0)
        --m_circleCounter;
    redrawCanvas(changed);
    emitHistoryChanged();
}

void MyPainter::redo()
{
    if (m_redoStack.isEmpty()) {
        qDebug() << "没有可重做的操作";
        return;
    }
    qDebug() << "执行重做操作";
    const HistoryAction entry = m_redoStack.takeLast();
    QRect changed(0, 0, 0, 0);

    switch (entry.actionType) {
    case HistoryAction::Add:
        qDebug() << "重做添加操作，添加元素 ID:" << entry.elementId;
        if (indexOf(entry.elementId) >= 0) {
            qDebug() << "元素已在列表中，跳过添加操作";
        } else if (entry.element) {
            m_undoStack.append(entry);
            m_elements.append(entry.element);
            changed |= entry.element->boundingRect();
        }
        break;
    case HistoryAction::Delete:
    case HistoryAction::Erase: {
        const int index = indexOf(entry.elementId);
        if (index >= 0) {
            qDebug() << "重做删除/擦除操作，移除元素 ID:" << entry.elementId;
            const ElementPtr element = m_elements.takeAt(index);
            m_undoStack.append(HistoryAction{entry.actionType, entry.elementId, element});
            changed |= element->boundingRect();
        }
        break;
    }
    case HistoryAction::EraserGroup:
        qDebug() << "重做橡皮擦组操作 ID:" << entry.elementId;
        m_undoStack.append(entry);
        while (!m_redoStack.isEmpty() && m_redoStack.last().actionType == HistoryAction::Erase) {
            const HistoryAction erased = m_redoStack.takeLast();
            const int index = indexOf(erased.elementId);
            if (index >= 0) {
                qDebug() << "  移除被擦除的元素 ID:" << erased.elementId;
                const ElementPtr element = m_elements.takeAt(index);
                m_undoStack.append(HistoryAction{HistoryAction::Erase, erased.elementId, element});
                changed |= element->boundingRect();
            } else {
                qDebug() << "  元素未找到，可能已被移除 ID:" << erased.elementId;
            }
        }
        break;
    default:
        break;
    }

    if (m_drawMode == NumberedCircleMode)
        ++m_circleCounter;
    redrawCanvas(changed);
    emitHistoryChanged();
}

bool MyPainter::deleteElement(QPoint clickPos, int tolerance)
{
    prepareHitTests();
    for (qsizetype i = m_elements.size() - 1; i >= 0; --i) {
        const DrawingElement &candidate = *m_elements.at(i);
        if (outOfReach(candidate, clickPos, tolerance) || !candidate.hitTest(clickPos, tolerance))
            continue;
        const ElementPtr element = m_elements.takeAt(i);
        recordDelete(element);
        m_redoStack.clear();
        emitHistoryChanged();
        redrawCanvas(element->boundingRect());
        return true;
    }
    return false;
}

QRect MyPainter::eraseStep(QPoint pos)
{
    QRect erased;
    if (m_newElementPending) {
        m_newElementPending = false;
        qDebug() << "开始新的擦除操作";
        const QString group =
            QStringLiteral("eraser_group_") + QUuid::createUuid().toString(QUuid::WithBraces);
        m_undoStack.append(HistoryAction{HistoryAction::EraserGroup, group, nullptr});
        m_redoStack.clear();
        emitHistoryChanged();
    }

    const int tolerance = 2 * m_penSize;
    const QPoint prev =
        m_currentPoints.size() >= 2 ? m_currentPoints.at(m_currentPoints.size() - 2) : pos;
    const double dx = double(pos.x()) - prev.x();
    const double dy = double(pos.y()) - prev.y();
    const double distance = std::sqrt(dx * dx + dy * dy);
    const qint64 n =
        std::clamp(qint64(std::round(distance / EraserSpacing)), qint64(1), EraserMaxSamples);
    QList<QPoint> samples;
    samples.reserve(n + 1);
    for (qint64 k = 0; k <= n; ++k) {
        samples.append(QPoint(clampToInt(prev.x() + dx * double(k) / double(n)),
                              clampToInt(prev.y() + dy * double(k) / double(n))));
    }

    prepareHitTests();
    for (qsizetype i = m_elements.size() - 1; i >= 0; --i) {
        const ElementPtr element = m_elements.at(i);
        const bool hit = std::any_of(samples.cbegin(), samples.cend(), [&](const QPoint &s) {
            return !outOfReach(*element, s, tolerance) && element->hitTest(s, tolerance);
        });
        if (!hit)
            continue;
        qDebug() << "擦除元素 ID:" << element->id();
        if (hasEntry(m_undoStack, element->id(), false) ||
            hasEntry(m_redoStack, element->id(), true)) {
            qDebug() << "元素已存在于撤销/重做栈中，跳过添加到撤销栈";
            m_elements.removeAt(i);
        } else {
            m_undoStack.append(HistoryAction{HistoryAction::Erase, element->id(), element});
            m_elements.removeAt(i);
            emit canUndoChanged();
        }
        erased |= element->boundingRect();
    }
    return erased;
}

void MyPainter::prepareHitTests() const
{
    // A full render leaves every freehand stroke with its smoothed outline, which its hit
    // test then uses; the cached renderer may not have painted a stroke since it changed.
    for (const ElementPtr &element : m_elements)
        element->prepareHitTest();
}

// ---------------------------------------------------------------- timed effects

QList<FadeOutJob *> MyPainter::fadeOutJobs() const
{
    QList<FadeOutJob *> jobs;
    for (const QPointer<FadeOutJob> &job : m_fadeJobs) {
        if (job && !job->isFinished())
            jobs.append(job.data());
    }
    return jobs;
}

void MyPainter::undoGradient()
{
    if (m_undoStack.isEmpty()) {
        qDebug() << "没有可撤销的操作";
        return;
    }
    qDebug() << "执行渐变撤销操作, 固定渐变时间 =" << FadeDurationMs << "ms";
    if (m_elements.isEmpty())
        return;
    const double startOpacity = m_elements.first()->opacity();
    qDebug() << "开始渐变消失，总步数:" << FadeOutJob::Steps << "原始透明度:" << startOpacity;
    auto *job = new FadeOutJob(this, startOpacity);
    m_fadeJobs.removeAll(nullptr);
    m_fadeJobs.append(job);
    job->start(!m_manualTiming);
}

void MyPainter::fadeTick(FadeOutJob *job)
{
    const int k = ++job->m_counter;
    if (!m_elements.isEmpty()) {
        const ElementPtr element = m_elements.first();
        const QRect region = element->boundingRect();
        element->setOpacity(
            std::max(0.01, (1.0 - double(k) / FadeOutJob::Steps) * job->startOpacity()));
        redrawCanvas(region);
        if (k < FadeOutJob::Steps)
            return;
        qDebug() << "渐变消失完成，移除元素";
        m_elements.removeFirst();
        recordDelete(element);
        emitHistoryChanged();
        redrawCanvas(region);
    }
    job->finish();
    m_fadeJobs.removeAll(job);
}

void MyPainter::stopBreathJob()
{
    if (m_breathJob)
        m_breathJob->finish();
    m_breathJob = nullptr;
}

QRect MyPainter::restoreBreathTarget()
{
    // The pulse changed one particular element; that one gets its opacity back, even if
    // the list shifted beneath it meanwhile.
    const ElementPtr target = m_breathTarget.lock();
    m_breathTarget.reset();
    if (!target)
        return QRect();
    target->setOpacity(m_breathSavedOpacity);
    return target->boundingRect();
}

void MyPainter::repeatDraw(int time)
{
    const int n = int(m_elements.size());
    if (n == 0 || time == 0) {
        if (m_breathJob) {
            const QRect restored = restoreBreathTarget();
            stopBreathJob();
            if (!restored.isNull())
                redrawCanvas(restored);
        }
        m_breathLastCount = 0;
        m_breathTargetIndex = -1;
        m_isBreath = false;
        emit isBreathChanged();
        return;
    }
    if (time < 0 && m_breathLastCount == n && m_breathJob)
        return;
    if (m_breathJob) {
        const QRect restored = restoreBreathTarget();
        if (!restored.isNull())
            redrawCanvas(restored);
        stopBreathJob();
    }
    m_breathLastCount = n;
    m_breathTargetIndex = n - 1;
    m_breathTarget.reset();

    if (n == 1 && !m_undoStack.isEmpty()) {
        qDebug() << "检测到undoGradient可能在同一元素上运行，不启动呼吸效果";
        m_isBreath = false;
        emit isBreathChanged();
        return;
    }

    const ElementPtr target = m_elements.at(m_breathTargetIndex);
    const double o = target->opacity();
    m_breathSavedOpacity = o;
    const int period = time > 100 ? time : 3000;
    auto *job = new BreathingJob(this, period, o > 0.5 ? o : 1.0);
    m_breathJob = job;
    job->start(!m_manualTiming);
    qDebug() << "启动呼吸效果，周期:" << period << "ms, 目标元素索引:" << m_breathTargetIndex;
}

void MyPainter::breathTick()
{
    BreathingJob *job = m_breathJob;
    if (!job)
        return;
    const int n = int(m_elements.size());
    auto valid = [&](int index) { return index >= 0 && index < n; };

    if (n == 1 && !m_undoStack.isEmpty()) {
        // The only element may be fading out at the same time: leave it to the fade.
        const QRect restored = restoreBreathTarget();
        stopBreathJob();
        if (!restored.isNull())
            redrawCanvas(restored);
        m_isBreath = false;
        emit isBreathChanged();
        return;
    }

    QRect changed(0, 0, 0, 0);
    if (n != m_breathLastCount) {
        changed |= restoreBreathTarget();
        m_breathTargetIndex = n - 1;
        m_breathLastCount = n;
        if (valid(m_breathTargetIndex))
            m_breathSavedOpacity = m_elements.at(m_breathTargetIndex)->opacity();
        qDebug() << "检测到新元素，更新呼吸目标索引:" << m_breathTargetIndex
                 << "，恢复前一个元素透明度:" << m_breathSavedOpacity;
        job->m_counter = 0;
    }

    if (n > 0 && valid(m_breathTargetIndex)) {
        const int k = ++job->m_counter;
        const ElementPtr target = m_elements.at(m_breathTargetIndex);
        if (m_breathTarget.expired())
            m_breathTarget = target;
        target->setOpacity(job->opacityAt(k));
        changed |= target->boundingRect();
        m_isBreath = true;
        emit isBreathChanged();
        redrawCanvas(changed);
        return;
    }

    stopBreathJob();
    if (!changed.isEmpty())
        redrawCanvas(changed);
    m_isBreath = false;
    emit isBreathChanged();
}

// ---------------------------------------------------------------- rendering and export

QRect MyPainter::bounds() const
{
    return QRect(0, 0, int(width()), int(height()));
}

QImage MyPainter::renderAll() const
{
    const QRect area = bounds();
    if (area.isEmpty())
        return QImage();
    QImage image(area.size(), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    for (const ElementPtr &element : m_elements) {
        // No element inherits the fill of the one before.
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    return image;
}

void MyPainter::redrawCanvas(const QRect &changed)
{
    if (m_rendering == Rendering::Reference) {
        m_canvasImage = renderAll();
        requestRepaint(bounds());
        return;
    }
    if (m_frozen) {
        m_frozen = false;
        m_keptPicture = QImage();
        requestRepaint(bounds());
        return;
    }
    requestRepaint(changed);
}

void MyPainter::requestRepaint(const QRect &region)
{
    const QRect clipped = region & bounds();
    if (clipped.isEmpty())
        return;
    m_dirty |= clipped;
    update(clipped);
}

void MyPainter::setRendering(Rendering rendering)
{
    if (rendering == m_rendering)
        return;
    m_rendering = rendering;
    m_canvasImage = QImage();
    m_layers.release();
    m_frozen = false;
    m_keptPicture = QImage();
    redrawAll();
}

int MyPainter::imageCount() const
{
    return m_layers.imageCount() + (m_keptPicture.isNull() ? 0 : 1) +
           (m_canvasImage.isNull() ? 0 : 1);
}

void MyPainter::paint(QPainter *painter)
{
    m_dirty = QRect();
    if (m_rendering == Rendering::Cached) {
        paintCached(painter, bounds());
        return;
    }
    if (m_canvasImage.isNull())
        return;
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->drawImage(0, 0, m_canvasImage);
}

void MyPainter::paintCached(QPainter *painter, const QRect &area)
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (m_frozen) {
        if (!m_keptPicture.isNull())
            painter->drawImage(0, 0, m_keptPicture);
        return;
    }
    if (area.isEmpty() || m_elements.isEmpty())
        return;

    // Elements in change right now are drawn directly; the runs between them come from
    // the layers.
    QList<qsizetype> live;
    const qsizetype n = m_elements.size();
    auto markLive = [&](const DrawingElement *element) {
        if (!element)
            return;
        for (qsizetype i = n - 1; i >= 0; --i) {
            if (m_elements.at(i).get() == element) {
                live.append(i);
                return;
            }
        }
    };
    markLive(m_currentElement.lock().get());
    if (m_breathJob)
        markLive(m_breathTarget.lock().get());
    if (!fadeOutJobs().isEmpty())
        live.append(0);
    std::sort(live.begin(), live.end());
    live.erase(std::unique(live.begin(), live.end()), live.end());

    struct Span
    {
        qsizetype begin;
        qsizetype end;
    };
    // Glyph edges blend differently over ink than over transparency, so text above the
    // elements in change is drawn directly too: a layer holds text only when nothing lies
    // below it.
    const auto hasText = [](const DrawingElement &e) {
        return e.type() == TextMode || e.type() == NumberedCircleMode;
    };
    QList<Span> runs;
    qsizetype from = 0;
    qsizetype nextLive = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        const bool isLive = nextLive < live.size() && live.at(nextLive) == i;
        if (isLive)
            ++nextLive;
        const bool separator =
            i == n || isLive || (!runs.isEmpty() || from > 0 ? hasText(*m_elements.at(i)) : false);
        if (!separator)
            continue;
        if (i > from)
            runs.append(Span{from, i});
        from = i + 1;
    }
    // More runs than layers: the shortest ones are drawn directly as well.
    while (runs.size() > LayerCache::MaxLayers) {
        auto shortest =
            std::min_element(runs.begin(), runs.end(), [](const Span &a, const Span &b) {
                return a.end - a.begin < b.end - b.begin;
            });
        runs.erase(shortest);
    }
    QList<LayerCache::Run> layerRuns;
    for (const Span &span : std::as_const(runs)) {
        LayerCache::Run run;
        run.reserve(span.end - span.begin);
        for (qsizetype i = span.begin; i < span.end; ++i)
            run.append(m_elements.at(i).get());
        layerRuns.append(run);
    }
    m_layers.update(layerRuns, area.size());

    const QRect clip =
        painter->hasClipping() ? painter->clipBoundingRect().toAlignedRect() & area : area;
    if (clip.isEmpty())
        return;
    // The region is composed tile by tile in a small ARGB32 image, in the order and the
    // pixel format of the full re-render, and then shown.
    if (m_tile.isNull())
        m_tile = QImage(TileSize, TileSize, QImage::Format_ARGB32);
    for (int y = clip.top(); y <= clip.bottom(); y += TileSize) {
        for (int x = clip.left(); x <= clip.right(); x += TileSize) {
            const QRect tile = QRect(x, y, TileSize, TileSize) & clip;
            // A view of exactly the tile's size: its edges are device edges, as the canvas
            // edges are for the full re-render.
            QImage view(m_tile.bits(), tile.width(), tile.height(), m_tile.bytesPerLine(),
                        m_tile.format());
            view.fill(Qt::transparent);
            QPainter compose(&view);
            compose.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            compose.translate(-tile.topLeft());
            qsizetype runIndex = 0;
            for (qsizetype i = 0; i < n;) {
                if (runIndex < runs.size() && runs.at(runIndex).begin == i) {
                    const QImage &layer = m_layers.image(int(runIndex));
                    if (!layer.isNull())
                        compose.drawImage(tile.topLeft(), layer, tile);
                    i = runs.at(runIndex).end;
                    ++runIndex;
                    continue;
                }
                const DrawingElement &element = *m_elements.at(i);
                if (element.boundingRect().intersects(tile)) {
                    compose.setBrush(QBrush(Qt::transparent));
                    element.draw(&compose);
                }
                ++i;
            }
            compose.end();
            painter->drawImage(tile.topLeft(), view);
        }
    }
}

void MyPainter::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (m_rendering == Rendering::Cached) {
        if (newGeometry.size() == oldGeometry.size())
            return;
        // The picture keeps what it showed, cut or widened to the new size, and the
        // elements are rendered again only at the next change.
        const QSize size(int(newGeometry.width()), int(newGeometry.height()));
        QImage kept;
        if (!size.isEmpty()) {
            kept = QImage(size, QImage::Format_ARGB32_Premultiplied);
            if (!kept.isNull()) {
                kept.fill(Qt::transparent);
                QPainter painter(&kept);
                if (m_frozen) {
                    if (!m_keptPicture.isNull())
                        painter.drawImage(0, 0, m_keptPicture);
                } else {
                    const QRect old(0, 0, int(oldGeometry.width()), int(oldGeometry.height()));
                    painter.setClipRect(old & kept.rect());
                    paintCached(&painter, old);
                }
            }
        }
        m_layers.release();
        m_keptPicture = kept;
        m_frozen = true;
        requestRepaint(bounds());
        return;
    }
    if (std::abs(newGeometry.width() - oldGeometry.width()) <= 1.0 &&
        std::abs(newGeometry.height() - oldGeometry.height()) <= 1.0)
        return;
    const QSize size(int(newGeometry.width()), int(newGeometry.height()));
    QImage resized;
    if (!size.isEmpty()) {
        resized = QImage(size, QImage::Format_ARGB32);
        if (!resized.isNull()) {
            resized.fill(Qt::transparent);
            if (!m_canvasImage.isNull()) {
                QPainter painter(&resized);
                painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
                painter.drawImage(0, 0, m_canvasImage);
            }
        }
    }
    m_canvasImage = resized;
    requestRepaint(bounds());
}

QString MyPainter::getExePath() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void MyPainter::renderToImage()
{
    if (m_elements.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const QImage image = renderAll();
    const QString path = QDir::toNativeSeparators(
        QCoreApplication::applicationDirPath() + QStringLiteral("/screenshot_") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")) +
        QStringLiteral(".png"));
    // Written beside and renamed into place, so a failed save leaves no broken file.
    QSaveFile file(path);
    bool saved = !image.isNull() && file.open(QIODevice::WriteOnly);
    if (saved) {
        QImageWriter writer(&file, "png");
        saved = writer.write(image) && file.commit();
        if (!saved)
            file.cancelWriting();
    }
    if (saved)
        qDebug() << "Image saved to:" << path;
    else
        qWarning() << "Failed to save image";
}
