#pragma once

#include "drawingdocument.h"
#include "drawingpicture.h"
#include "elements/elementlimits.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A drawing kept as a ".qmark" file: versioned JSON holding every element with all it needs
// to look the same when opened again. Reading checks everything before it builds anything,
// so a damaged or hostile file gives a reason and no elements.
class DrawingFile
{
    Q_DECLARE_TR_FUNCTIONS(DrawingFile)

public:
    // The newest format this build reads (see ElementLimits for the versions).
    static constexpr int PlainVersion = ElementLimits::PlainVersion;
    static constexpr int PressureVersion = ElementLimits::PressureVersion;
    static constexpr int Version = PressureVersion;
    // Larger files are refused before they are read, and while they are read.
    static constexpr qint64 MaxFileSize = 32 * 1024 * 1024;
    static constexpr int MaxElements = 200000;
    static constexpr int MaxPointsPerStroke = ElementLimits::MaxPointsPerStroke;
    static constexpr qint64 MaxPoints = ElementLimits::MaxPoints;
    static constexpr int MaxCoordinate = ElementLimits::MaxCoordinate;
    static constexpr int MaxPenWidth = ElementLimits::MaxPenWidth;
    static constexpr int MaxFontSize = ElementLimits::MaxFontSize;
    static constexpr int MaxTextLength = ElementLimits::MaxTextLength;
    static constexpr int MaxNumber = ElementLimits::MaxNumber;
    // All elements together cover at most this many pixels (see ink()), which bounds how
    // long the whole drawing takes to show: six drawings of 10,000 elements of every kind.
    static constexpr double MaxInk = 5.0e8;
    // Roughly the pixels an element's pen covers on any desktop: what drawing it costs.
    static double ink(const DrawingElement &element);

    struct Loaded
    {
        QList<std::shared_ptr<DrawingElement>> elements;
        int circleCounter = 0;
        // The file's picture of these elements, if it holds a usable one.
        DrawingPicture picture;
    };

    // Told how far loading got (0 to 1) now and then; returns false to stop it.
    using Progress = std::function<bool(double done)>;

    // Whether a file holding these elements would open again: within the limits on elements,
    // points and ink. Edits that could grow a drawing past them ask first.
    static bool opensAgain(const QList<std::shared_ptr<DrawingElement>> &elements);

    static QByteArray toJson(const DrawingDocument &doc);
    // The drawing in data; none, with the reason in *error, when data is not a drawing this
    // version can show completely (or progress stopped it).
    static std::optional<Loaded> fromJson(const QByteArray &data, QString *error,
                                          const Progress &progress = {});

    // Writes the drawing to path through SafeFile: an earlier file there stays whole
    // unless the new one was written completely.
    static bool save(const DrawingDocument &doc, const QString &path, QString *error);
    // The same with the drawing already made into a file's bytes (toJson) of elementCount
    // elements.
    static bool save(const QByteArray &json, qsizetype elementCount, const QString &path,
                     QString *error);
    // Reads only regular files, and never waits on one (a FIFO is refused at once).
    static std::optional<Loaded> load(const QString &path, QString *error,
                                      const Progress &progress = {});
};
