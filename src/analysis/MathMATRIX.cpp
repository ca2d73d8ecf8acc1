#include "analysis/MathMATRIX.h"

#include <algorithm>
#include <cmath>

void Matrix::fillZero()
{
    std::fill(data.begin(), data.end(), 0.0);
}

Matrix New_Matrix(int rows, int cols)
{
    if (cols == -1)
        cols = rows;
    Matrix m;
    m.rows = std::max(rows, 0);
    m.cols = std::max(cols, 0);
    m.data.assign(std::size_t(m.rows) * std::size_t(m.cols), 0.0);
    return m;
}

bool Gauss_Upper(Matrix &A, Vector &b, Vector &x, int n)
{
    std::fill(x.begin(), x.end(), 0.0);
    if (n < 1)
        return true;

    for (int k = 1; k <= n - 1; ++k) {
        const double *rowK = A.row(k);
        const double pivot = rowK[k - 1];
        const double bk = b[k];
        for (int i = k + 1; i <= n; ++i) {
            const double aki = rowK[i - 1];
            if (aki == 0.0)
                continue;
            if (pivot == 0.0)
                return false;
            const double f = aki / pivot;
            if (!std::isfinite(f))
                return false;
            double *rowI = A.row(i);
            // v * 0 is 0 for every finite v and NaN otherwise, so one test
            // after the row tells whether any entry overflowed.
            double poison = 0.0;
            for (int j = i; j <= n; ++j) {
                const double v = rowI[j - 1] - rowK[j - 1] * f;
                rowI[j - 1] = v;
                poison += v * 0.0;
            }
            const double bi = b[i] - bk * f;
            b[i] = bi;
            if (!std::isfinite(poison) || !std::isfinite(bi))
                return false;
        }
    }

    for (int i = n; i >= 1; --i) {
        const double *rowI = A.row(i);
        double s = 0.0;
        for (int j = i + 1; j <= n; ++j)
            s += rowI[j - 1] * x[j];
        const double d = rowI[i - 1];
        // An infinite stiffness would quietly give a zero displacement.
        if (d == 0.0 || !std::isfinite(d))
            return false;
        const double xi = (b[i] - s) / d;
        if (!std::isfinite(xi))
            return false;
        x[i] = xi;
    }
    return true;
}
