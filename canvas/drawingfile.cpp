#include "drawingfile.h"

#include "elementfactory.h"
#include "elements/elementreader.h"
#include "safefile.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <future>
#include <limits>
#include <utility>

namespace {

const QString FormatName = QStringLiteral("quillmark-drawing");

// One element of a file, or none with the reason: its kind names the fields to read once
// the pen's passed.
std::shared_ptr<DrawingElement> readElement(const QJsonObject &object, qint64 *pointBudget,
                                            bool withPressure, QString *reason)
{
    const QJsonValue kindValue = object.value(QLatin1String("kind"));
    const ElementType *type =
        kindValue.isString() ? ElementFactory::typeNamed(kindValue.toString()) : nullptr;
    if (!type || !type->read) {
        *reason = DrawingFile::tr("未知的元素种类“%1”")
                      .arg(kindValue.isString() ? kindValue.toString().left(40)
                                                : DrawingFile::tr("（无）"));
        return nullptr;
    }
    ElementReader reader(object, pointBudget, withPressure);
    PenStyle pen;
    // Every check runs only while the ones before passed; the first failure is the reason.
    const bool penOk = reader.color(&pen.color) &&
                       reader.integer("width", 0, DrawingFile::MaxPenWidth, &pen.width) &&
                       reader.opacity(&pen.opacity);
    std::shared_ptr<DrawingElement> element = penOk ? type->read(reader, pen) : nullptr;
    if (!element)
        *reason = reader.reason().isEmpty() ? DrawingFile::tr("内容无效") : reader.reason();
    return element;
}

} // namespace

double DrawingFile::ink(const DrawingElement &element)
{
    return element.ink();
}

bool DrawingFile::opensAgain(const QList<std::shared_ptr<DrawingElement>> &elements)
{
    if (elements.size() > MaxElements)
        return false;
    qint64 points = 0;
    double ink = 0.0;
    for (const std::shared_ptr<DrawingElement> &element : elements) {
        points += element->filePoints();
        ink += element->ink();
        if (element->filePoints() > MaxPointsPerStroke || points > MaxPoints || ink > MaxInk)
            return false;
    }
    return true;
}

QByteArray DrawingFile::toJson(const DrawingDocument &doc)
{
    int version = PlainVersion;
    QJsonArray elements;
    for (const DrawingDocument::ElementPtr &element : doc.elements()) {
        QJsonObject o;
        o.insert(QStringLiteral("kind"),
                 QLatin1String(ElementFactory::type(element->kind())->fileName));
        o.insert(QStringLiteral("color"), element->color().name(QColor::HexArgb));
        o.insert(QStringLiteral("width"), element->penWidth());
        // What the element shows when no fade or pulse is at work on it.
        o.insert(QStringLiteral("opacity"), doc.restingOpacity(element));
        element->write(o);
        version = std::max(version, element->fileVersion());
        elements.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), FormatName);
    root.insert(QStringLiteral("version"), version);
    root.insert(QStringLiteral("circleCounter"), doc.circleCounter());
    root.insert(QStringLiteral("elements"), elements);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<DrawingFile::Loaded> DrawingFile::fromJson(const QByteArray &data, QString *error,
                                                         const Progress &progress)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (data.trimmed().isEmpty())
        return failed(tr("文件是空的"));
    if (data.size() > MaxFileSize)
        return failed(tr("文件过大（最大 %1 MB）").arg(MaxFileSize / (1024 * 1024)));

    const auto stopped = [&progress](double done) { return progress && !progress(done); };
    // A picture at the end of the file (see DrawingPicture) is unpacked on a thread of its
    // own while the elements are read; the parser sees only the file before it.
    QString pictureWhy;
    const std::optional<DrawingPicture::Found> found = DrawingPicture::find(data, &pictureWhy);
    std::future<std::optional<DrawingPicture>> picture;
    if (found)
        picture = std::async(std::launch::async, [&data, &found, &pictureWhy] {
            return DrawingPicture::decode(data, *found, &pictureWhy);
        });
    // Parsing takes about as long as checking and building the elements afterwards.
    QJsonParseError parseError;
    const QJsonDocument json =
        QJsonDocument::fromJson(found ? data.first(found->start) + '}' : data, &parseError);
    if (stopped(0.5))
        return failed(tr("已取消"));
    if (parseError.error != QJsonParseError::NoError)
        return failed(tr("文件已损坏或不完整（第 %1 个字节处：%2）")
                          .arg(parseError.offset + 1)
                          .arg(parseError.errorString()));
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return failed(tr("这不是 Quillmark 绘图文件"));

    const QJsonValue versionValue = root.value(QLatin1String("version"));
    qint64 version = 0;
    if (!ElementReader::wholeNumber(versionValue, 1, std::numeric_limits<int>::max(), &version))
        return failed(tr("绘图文件的格式版本无效"));
    if (version > Version)
        return failed(tr("这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 "
                         "及更早的绘图，请更新 Quillmark")
                          .arg(version)
                          .arg(Version));

    Loaded loaded;
    qint64 counter = 0;
    const QJsonValue counterValue = root.value(QLatin1String("circleCounter"));
    if (!counterValue.isUndefined() &&
        !ElementReader::wholeNumber(counterValue, 0, MaxNumber, &counter))
        return failed(tr("“circleCounter”应为 0 到 %1 之间的整数").arg(MaxNumber));
    loaded.circleCounter = int(counter);

    const QJsonValue elementsValue = root.value(QLatin1String("elements"));
    if (!elementsValue.isArray())
        return failed(tr("绘图文件缺少元素列表"));
    const QJsonArray elements = elementsValue.toArray();
    if (elements.size() > MaxElements)
        return failed(
            tr("绘图的元素过多（%1 个，最多 %2 个）").arg(elements.size()).arg(MaxElements));

    loaded.elements.reserve(elements.size());
    qint64 pointBudget = MaxPoints;
    double inkSoFar = 0.0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (i % 256 == 0 && stopped(0.5 + 0.5 * double(i) / double(elements.size())))
            return failed(tr("已取消"));
        const QJsonValue value = elements.at(i);
        QString reason;
        std::shared_ptr<DrawingElement> element;
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            element = readElement(object, &pointBudget, version >= PressureVersion, &reason);
        } else {
            reason = tr("应为一个对象");
        }
        if (!element)
            return failed(tr("第 %1 个元素：%2").arg(i + 1).arg(reason));
        inkSoFar += element->ink();
        if (inkSoFar > MaxInk)
            return failed(tr("绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）")
                              .arg(qint64(MaxInk / 1e6)));
        const QList<std::shared_ptr<DrawingElement>> pieces = element->openedPieces();
        if (pieces.isEmpty())
            loaded.elements.append(std::move(element));
        else
            loaded.elements.append(pieces);
    }
    // The elements are the truth: a picture that may not show them is left out.
    if (picture.valid()) {
        if (std::optional<DrawingPicture> unpacked = picture.get())
            loaded.picture = std::move(*unpacked);
    } else if (root.contains(QLatin1String("picture"))) {
        pictureWhy = QStringLiteral("it is not in the form this version writes");
    }
    if (loaded.picture.isNull() && !pictureWhy.isEmpty())
        qWarning() << "Drawing picture ignored:" << pictureWhy;
    return loaded;
}

bool DrawingFile::save(const DrawingDocument &doc, const QString &path, QString *error)
{
    return save(toJson(doc), doc.elements().size(), path, error);
}

bool DrawingFile::save(const QByteArray &json, qsizetype elementCount, const QString &path,
                       QString *error)
{
    QString reason;
    if (!SafeFile::write(path, json, SafeFile::Mode::Replace, &reason)) {
        qWarning() << "Failed to save drawing" << path << reason;
        if (error)
            *error = tr("无法保存绘图：%1").arg(reason);
        return false;
    }
    qDebug() << "Drawing saved to:" << path << elementCount << "elements";
    return true;
}

std::optional<DrawingFile::Loaded> DrawingFile::load(const QString &path, QString *error,
                                                     const Progress &progress)
{
    const auto failed = [&](const QString &reason) {
        qWarning() << "Failed to open drawing" << path << reason;
        if (error)
            *error = reason;
        return std::nullopt;
    };
    // Reading is the first tenth of the work; the size limit holds while reading too.
    const SafeFile::ReadResult read =
        SafeFile::read(path, MaxFileSize, [&progress](qint64 done, qint64 total) {
            return !progress || progress(total > 0 ? 0.1 * double(done) / double(total) : 0.0);
        });
    if (!read.ok()) {
        if (read.status == SafeFile::ReadStatus::Missing ||
            read.status == SafeFile::ReadStatus::Failed)
            return failed(tr("无法打开文件：%1").arg(read.error));
        return failed(read.error);
    }
    QString reason;
    std::optional<Loaded> loaded = fromJson(read.data, &reason, [&progress](double done) {
        return !progress || progress(0.1 + 0.9 * done);
    });
    if (!loaded)
        return failed(reason);
    qDebug() << "Drawing opened from:" << path << loaded->elements.size() << "elements";
    return loaded;
}
