#include "wheel/AsciiChart.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/Position.h"
#include "base/Vocabulary.h"
#include "wheel/WheelPlacement.h"

namespace quaeryn {

namespace {

// Every column is written five characters in.
constexpr int kColumnOffset = 5;

constexpr std::string_view kBodyCodes = "SUMEVEMAJUSAURNEPLMONNSNPFASMC";

struct Cell {
    int row, column;
};

// The seven slots (row, column) of each house, slot 0 first.
constexpr Cell kSlots[12][7] = {
    {{14, 4}, {15, 4}, {16, 4}, {17, 4}, {18, 4}, {15, 13}, {16, 13}},
    {{19, 13}, {20, 11}, {21, 11}, {22, 11}, {23, 11}, {17, 19}, {18, 19}},
    {{18, 27}, {19, 27}, {20, 26}, {21, 26}, {22, 26}, {23, 26}, {24, 26}},
    {{24, 36}, {23, 36}, {22, 36}, {21, 36}, {20, 36}, {19, 35}, {18, 35}},
    {{23, 51}, {22, 51}, {21, 51}, {20, 51}, {19, 49}, {18, 43}, {17, 43}},
    {{18, 57}, {17, 57}, {16, 57}, {15, 57}, {14, 57}, {15, 49}, {14, 49}},
    {{12, 57}, {11, 57}, {10, 57}, {9, 57}, {8, 57}, {12, 49}, {11, 49}},
    {{7, 49}, {6, 51}, {5, 51}, {4, 51}, {3, 51}, {9, 43}, {8, 43}},
    {{8, 35}, {7, 35}, {6, 36}, {5, 36}, {4, 36}, {3, 36}, {2, 36}},
    {{2, 26}, {3, 26}, {4, 26}, {5, 26}, {6, 26}, {7, 27}, {8, 27}},
    {{3, 11}, {4, 11}, {5, 11}, {6, 11}, {7, 13}, {8, 19}, {9, 19}},
    {{8, 4}, {9, 4}, {10, 4}, {11, 4}, {12, 4}, {11, 13}, {12, 13}},
};

// The cusp labels by cusp entry (1 = the 10th house's cusp).
constexpr Cell kCuspLabels[12] = {{1, 32}, {1, 13}, {5, 1},   {13, 1},  {21, 1},  {25, 13},
                                  {25, 32}, {25, 51}, {21, 63}, {13, 63}, {5, 63}, {1, 51}};

// The single stars of the outline, and the eight diagonal spokes.
constexpr Cell kStars[] = {
    {12, 25}, {14, 25}, {12, 43}, {14, 43}, {10, 31}, {10, 32}, {16, 31}, {16, 32}, {10, 36}, {10, 37},
    {16, 36}, {16, 37},
    {11, 26}, {10, 22}, {9, 18}, {8, 14}, {7, 10}, {6, 6},
    {10, 29}, {8, 26}, {6, 23}, {4, 20}, {2, 17},
    {15, 26}, {16, 22}, {17, 18}, {18, 14}, {19, 10}, {20, 6},
    {16, 29}, {18, 26}, {20, 23}, {22, 20}, {24, 17},
    {11, 42}, {10, 46}, {9, 50}, {8, 54}, {7, 58}, {6, 62},
    {10, 39}, {8, 42}, {6, 45}, {4, 48}, {2, 51},
    {15, 42}, {16, 46}, {17, 50}, {18, 54}, {19, 58}, {20, 62},
    {16, 39}, {18, 42}, {20, 45}, {22, 48}, {24, 51},
};

class Grid {
public:
    Grid() { rows_.fill(std::string(kAsciiColumns, ' ')); }

    // Writes a text at (row, column); characters past the row's end are
    // left off, so a row never changes its length.
    void Put(int row, int column, std::string_view text) {
        if (row < 1 || row > kAsciiRows) return;
        std::string& line = rows_[static_cast<std::size_t>(row - 1)];
        const int start = column + kColumnOffset - 1;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int at = start + static_cast<int>(i);
            if (at >= 0 && at < kAsciiColumns) line[static_cast<std::size_t>(at)] = text[i];
        }
    }
    void PutBodyCode(int row, int column, int body) {
        Put(row, column, kBodyCodes.substr(static_cast<std::size_t>(2 * body - 2), 2));
    }
    void PutDegree(int row, int column, int degrees) {
        Put(row, column, degrees < 10 ? "0" + std::to_string(degrees) : std::to_string(degrees));
    }
    void PutSign(int row, int column, int sign) {
        Put(row, column, kSignAbbreviationsAscii.substr(static_cast<std::size_t>(3 * sign - 3), 3));
    }
    void PutCuspSign(int row, int column, int sign) { Put(row, column, SignAbbreviation(sign)); }

    AsciiGrid rows() const { return rows_; }

private:
    AsciiGrid rows_;
};

}  // namespace

AsciiGrid DrawAsciiGrid(const ChartState& chart, const std::array<int, 16>& wheelSlot) {
    Grid grid;

    // The outline.
    for (int c = 8; c <= 25; ++c) grid.Put(13, c, "*");
    for (int c = 43; c <= 61; ++c) grid.Put(13, c, "*");
    for (int r = 2; r <= 10; ++r) grid.Put(r, 34, "*");
    for (int r = 16; r <= 24; ++r) grid.Put(r, 34, "*");
    for (const Cell& s : kStars) grid.Put(s.row, s.column, "*");

    // The cusps: degrees and the sign, «05 CAN».
    for (int k = 1; k <= 12; ++k) {
        const SignPosition p = SplitPosition(chart.ChartCusp[static_cast<std::size_t>(k)]);
        const Cell at = kCuspLabels[k - 1];
        grid.PutDegree(at.row, at.column, p.degrees);
        grid.PutCuspSign(at.row, at.column + 3, p.sign);
    }

    // The bodies per house, Sun to Part of Fortune, listed as the wheel
    // lists them.
    std::array<int, 13> houseCount{};
    std::array<int, 16> house{};
    std::vector<int> list;
    for (int b = 1; b <= 13; ++b) {
        const int h = chart.HouseOf(b);
        if (h < 1 || h > 12) continue;  // in no house: not drawn
        ++houseCount[static_cast<std::size_t>(h)];
        house[static_cast<std::size_t>(b)] = h;
        list.push_back(b);
    }
    OrderByLongitude(list, chart.ChartLongitude, house);

    // Placed from the smallest longitude up.
    int previousHouse = 0, k = 0;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const int b = *it;
        const int h = house[static_cast<std::size_t>(b)];
        const int count = houseCount[static_cast<std::size_t>(h)];
        const bool sameHouse = h == previousHouse;
        previousHouse = h;
        if (count > 7) continue;  // a house of eight or more shows none of them
        k = sameHouse ? k + 1 : 0;
        if (count != 1 && wheelSlot[static_cast<std::size_t>(b)] >= 4) k = 4;
        k = std::min(k, 6);
        const Cell at = kSlots[h - 1][k];
        const SignPosition p = SplitPosition(chart.ChartLongitude[b]);
        grid.PutBodyCode(at.row, at.column, b);
        grid.PutDegree(at.row, at.column + 2, p.degrees);
        grid.PutSign(at.row, at.column + 4, p.sign);
    }
    return grid.rows();
}

void WriteAsciiChart(const ChartState& chart, const WheelHeaderBlock& header, const std::array<int, 16>& wheelSlot,
                     ReportBuffer& out) {
    const AsciiGrid grid = DrawAsciiGrid(chart, wheelSlot);
    for (int n = 1; n <= 7; ++n) out.AppendLine("     " + header[static_cast<std::size_t>(n)]);
    for (const auto& row : grid) out.AppendLine(row);
}

void AsciiChartReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    out.AppendBlankLine();
    WriteAsciiChart(chart, FillWheelHeader(chart, context.regional), WheelSlots(chart), out);
}

}  // namespace quaeryn
