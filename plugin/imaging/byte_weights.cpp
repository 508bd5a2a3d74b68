#include "imaging/byte_weights.h"

namespace
{

struct WeightTable {
    WeightTable()
    {
        for (int w = 0; w < 256; w++)
            for (int x = 0; x < 256; x++)
                rows[w][x] = static_cast<uint8_t>(x * w / 255);
    }
    uint8_t rows[256][256];
};

} // namespace

const uint8_t *ByteWeights(int w)
{
    static const WeightTable table;
    return table.rows[w];
}
