// Matrices: the six elements of an affine transform, GDI+ order (m11, m12, m21, m22, dx, dy),
// points as row vectors, so "append" applies the new step after the matrix.

#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"

namespace {

void Combine(GpMatrix &m, const QTransform &step, GpMatrixOrder order)
{
    m.M = order == MatrixOrderAppend ? m.M * step : step * m.M;
}

// The matrix mapping the rectangle onto the parallelogram (top-left, top-right, bottom-left).
Status FromParallelogram(const QRectF &r, const QPointF *p, GpMatrix **matrix)
{
    if (!p || !matrix || r.width() == 0 || r.height() == 0)
        return InvalidParameter;
    const double m11 = (p[1].x() - p[0].x()) / r.width(), m12 = (p[1].y() - p[0].y()) / r.width();
    const double m21 = (p[2].x() - p[0].x()) / r.height(), m22 = (p[2].y() - p[0].y()) / r.height();
    const double dx = p[0].x() - m11 * r.x() - m21 * r.y(), dy = p[0].y() - m12 * r.x() - m22 * r.y();
    *matrix = new GpMatrix{QTransform(m11, m12, m21, m22, dx, dy)};
    return Ok;
}

template <class P>
Status Transform(GpMatrix *matrix, P *pts, INT count, bool vectors)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    const QTransform &m = matrix->M;
    for (INT i = 0; i < count; ++i) {
        const double x = pts[i].X, y = pts[i].Y;
        double nx = m.m11() * x + m.m21() * y, ny = m.m12() * x + m.m22() * y;
        if (!vectors) {
            nx += m.dx();
            ny += m.dy();
        }
        if constexpr (std::is_same_v<P, GpPoint>) {
            pts[i].X = static_cast<INT>(std::lround(nx));
            pts[i].Y = static_cast<INT>(std::lround(ny));
        }
        else {
            pts[i].X = static_cast<REAL>(nx);
            pts[i].Y = static_cast<REAL>(ny);
        }
    }
    return Ok;
}

}  // namespace

Status GdipCreateMatrix(GpMatrix **matrix)
{
    if (!matrix)
        return InvalidParameter;
    *matrix = new GpMatrix;
    return Ok;
}

Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix **matrix)
{
    if (!matrix)
        return InvalidParameter;
    *matrix = new GpMatrix{QTransform(m11, m12, m21, m22, dx, dy)};
    return Ok;
}

Status GdipCreateMatrix3(const GpRectF *rect, const GpPointF *dstplg, GpMatrix **matrix)
{
    if (!rect || !dstplg)
        return InvalidParameter;
    const QPointF p[3] = {{dstplg[0].X, dstplg[0].Y}, {dstplg[1].X, dstplg[1].Y}, {dstplg[2].X, dstplg[2].Y}};
    return FromParallelogram(QRectF(rect->X, rect->Y, rect->Width, rect->Height), p, matrix);
}

Status GdipCreateMatrix3I(const GpRect *rect, const GpPoint *dstplg, GpMatrix **matrix)
{
    if (!rect || !dstplg)
        return InvalidParameter;
    const QPointF p[3] = {QPointF(dstplg[0].X, dstplg[0].Y), QPointF(dstplg[1].X, dstplg[1].Y),
                          QPointF(dstplg[2].X, dstplg[2].Y)};
    return FromParallelogram(QRectF(rect->X, rect->Y, rect->Width, rect->Height), p, matrix);
}

Status GdipCloneMatrix(GpMatrix *matrix, GpMatrix **cloneMatrix)
{
    if (!matrix || !cloneMatrix)
        return InvalidParameter;
    *cloneMatrix = new GpMatrix(*matrix);
    return Ok;
}

Status GdipDeleteMatrix(GpMatrix *matrix)
{
    if (!matrix)
        return InvalidParameter;
    delete matrix;
    return Ok;
}

Status GdipSetMatrixElements(GpMatrix *matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    if (!matrix)
        return InvalidParameter;
    matrix->M = QTransform(m11, m12, m21, m22, dx, dy);
    return Ok;
}

Status GdipGetMatrixElements(const GpMatrix *matrix, REAL *out)
{
    if (!matrix || !out)
        return InvalidParameter;
    const QTransform &m = matrix->M;
    const double v[6] = {m.m11(), m.m12(), m.m21(), m.m22(), m.dx(), m.dy()};
    for (int i = 0; i < 6; ++i)
        out[i] = static_cast<REAL>(v[i]);
    return Ok;
}

Status GdipMultiplyMatrix(GpMatrix *matrix, GpMatrix *matrix2, GpMatrixOrder order)
{
    if (!matrix || !matrix2)
        return InvalidParameter;
    Combine(*matrix, matrix2->M, order);
    return Ok;
}

Status GdipTranslateMatrix(GpMatrix *matrix, REAL offsetX, REAL offsetY, GpMatrixOrder order)
{
    if (!matrix)
        return InvalidParameter;
    Combine(*matrix, QTransform::fromTranslate(offsetX, offsetY), order);
    return Ok;
}

Status GdipScaleMatrix(GpMatrix *matrix, REAL scaleX, REAL scaleY, GpMatrixOrder order)
{
    if (!matrix)
        return InvalidParameter;
    Combine(*matrix, QTransform::fromScale(scaleX, scaleY), order);
    return Ok;
}

Status GdipRotateMatrix(GpMatrix *matrix, REAL angle, GpMatrixOrder order)
{
    if (!matrix)
        return InvalidParameter;
    const double a = angle * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    Combine(*matrix, QTransform(c, s, -s, c, 0, 0), order);
    return Ok;
}

Status GdipShearMatrix(GpMatrix *matrix, REAL shearX, REAL shearY, GpMatrixOrder order)
{
    if (!matrix)
        return InvalidParameter;
    Combine(*matrix, QTransform(1, shearY, shearX, 1, 0, 0), order);
    return Ok;
}

Status GdipInvertMatrix(GpMatrix *matrix)
{
    if (!matrix)
        return InvalidParameter;
    bool ok = false;
    const QTransform inv = matrix->M.inverted(&ok);
    if (!ok)
        return InvalidParameter;
    matrix->M = inv;
    return Ok;
}

Status GdipTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count)
{
    return Transform(matrix, pts, count, false);
}

Status GdipTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count)
{
    return Transform(matrix, pts, count, false);
}

Status GdipVectorTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count)
{
    return Transform(matrix, pts, count, true);
}

Status GdipVectorTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count)
{
    return Transform(matrix, pts, count, true);
}

Status GdipIsMatrixInvertible(const GpMatrix *matrix, BOOL *result)
{
    if (!matrix || !result)
        return InvalidParameter;
    *result = matrix->M.isInvertible() ? 1 : 0;
    return Ok;
}

Status GdipIsMatrixIdentity(const GpMatrix *matrix, BOOL *result)
{
    if (!matrix || !result)
        return InvalidParameter;
    *result = matrix->M.isIdentity() ? 1 : 0;
    return Ok;
}
