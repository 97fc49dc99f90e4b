#pragma once

#include <QImage>
#include <QSize>

class DrawingDocument;

// The picture a drawing must show, made the plainest way: every element drawn in order into
// a fresh transparent ARGB32 image of the given size. The tests and the benchmark hold the
// item's pixels against it; the program itself does not use it.
QImage renderReference(const DrawingDocument &document, QSize size);
