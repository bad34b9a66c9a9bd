#include "conditions/pointsconditions.h"
#include "model/variabl.h"

double ProductBound(int32 mantissa, int32 exponent, double current)
{
    switch (exponent) {
        case 0:
            return mantissa;
        case 3:
            return static_cast<double>(std::int64_t{mantissa} * 1000);
        case 6:
            return static_cast<double>(static_cast<long double>(mantissa) * 1.0e6L);
        case 9:
            return static_cast<double>(static_cast<long double>(mantissa) * 1.0e9L);
        case 12:
            return static_cast<double>(static_cast<long double>(mantissa) * 1.0e12L);
        default:
            return current;
    }
}

void ComputeProductBounds()
{
    for (int c = 1; c <= ConditionCount; ++c) {
        CondProdMaxReal[c] = ProductBound(CondProdMaxMantissa[c], CondProdMaxExp[c], CondProdMaxReal[c]);
        CondProdMinReal[c] = ProductBound(CondProdMinMantissa[c], CondProdMinExp[c], CondProdMinReal[c]);
    }
}

bool SumTestRejects(int32 sum, int32 min, int32 max, int32 mode)
{
    const bool inside = min <= sum && sum <= max;
    return (mode == PointsModeRequire && !inside) || (mode == PointsModeRemove && inside);
}

bool ProductTestRejects(double product, double min, double max, int32 mode)
{
    const bool inside = min <= product && product <= max;
    return (mode == PointsModeRequire && !inside) || (mode == PointsModeRemove && inside);
}

int32 PointsRowSum(int c, const RowNumbers& row)
{
    int32 sum = 0;
    for (int r = 1; r <= RaceSlots; ++r)
        sum += CondPoints[r][row[r]][c];
    return sum;
}

double PointsRowProduct(int c, const RowNumbers& row)
{
    double product = 1.0;
    for (int r = 1; r <= RaceSlots; ++r) {
        const byte points = CondPoints[r][row[r]][c];
        product *= points == 0 ? 1 : points;
    }
    return product;
}

bool RowPassesPointsCondition(int c, const RowNumbers& row)
{
    if (CondSumActive[c] == 1 &&
        SumTestRejects(PointsRowSum(c, row), CondSumMin[c], CondSumMax[c], CondSumMode[c]))
        return false;
    return !(CondProdActive[c] == 1 && ProductTestRejects(PointsRowProduct(c, row), CondProdMinReal[c],
                                                          CondProdMaxReal[c], CondProdMode[c]));
}
