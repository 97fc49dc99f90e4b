#pragma once

#include <QImage>
#include <QSize>

class DrawingDocument;

// The picture a drawing must show, made the plainest way: every element drawn in order into
// a fresh transparent ARGB32 image of the given size. The tests and the benchmark hold the
// item's pixels against it; the program itself does not use it. At a device pixel ratio above
// 1 the image has size times ratio pixels and the drawing is scaled up as vectors.
QImage renderReference(const DrawingDocument &document, QSize size, qreal ratio = 1.0);
