#include "drawing/ViewTransform.h"

// scale is kept in single precision; every conversion works in double with
// the area's width and height read at the moment of the call.

double ViewTransform::ToScreenX(double x) const { return 100.0 * x / scale - offsetX; }

double ViewTransform::ToScreenY(double y) const
{
    return areaHeight - (100.0 * y / scale + offsetY);
}

double ViewTransform::ToWorldX(double sx) const { return scale * (sx + offsetX) / 100.0; }

double ViewTransform::ToWorldY(double sy) const
{
    return scale * (areaHeight - sy - offsetY) / 100.0;
}

double ViewTransform::ToScreenLength(double d) const { return 100.0 * d / scale; }
