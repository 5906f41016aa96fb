#pragma once
#include <QImage>
#include <QRegion>

// The outline of a window made from a picture: the region of its pixels
// that are not magenta (red 255, green 0, blue 255), traced row by row as a
// polygon through each row's outermost non-magenta pixels, with the magenta
// pixels between them cut out.
QRegion BuildShapeRegion(const QImage& picture);
