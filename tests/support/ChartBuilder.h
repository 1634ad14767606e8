// Small chart states for report tests: set the positions a rule reads and
// nothing else, so each test reads clearly.
#pragma once

#include <cmath>
#include <string>

#include "base/ChartState.h"
#include "base/Numbers.h"
#include "base/Vocabulary.h"

namespace quaeryn::test {

class ChartBuilder {
public:
    ChartBuilder() {
        chart_.ChartName = "Test";
        chart_.AmPmText = "A.M.";
        chart_.LongitudeSide = "WEST";
        chart_.LatitudeSide = "NORTH";
        chart_.LatitudeDm = 40.45f;
        chart_.LongitudeDm = 73.58f;
        chart_.Day = 5;
        chart_.Month = 3;
        chart_.Year = 2001;
        // Equal houses from 0 Aries on the Ascendant by default.
        cuspsFromAscendant(0.0);
        for (int n = 1; n <= 15; ++n) house(n, 1);
    }

    // Longitude of body n (engine table and chart copy) and its daily motion.
    ChartBuilder& at(int n, double longitude, double dailyMotion = 1.0) {
        chart_.Longitude[n] = longitude;
        chart_.ChartLongitude[n] = longitude;
        chart_.DailyMotion[n] = dailyMotion;
        return *this;
    }
    ChartBuilder& retrograde(int n, bool r = true) {
        chart_.RetrogradeText[static_cast<std::size_t>(n - 1)] = r ? 'R' : ' ';
        return *this;
    }
    // House (1 to 12) of body n in HousePositionText.
    ChartBuilder& house(int n, int h) {
        static const char* ordinals[13] = {"", " 1ST", " 2ND", " 3RD", " 4TH", " 5TH", " 6TH",
                                           " 7TH", " 8TH", " 9TH", "10TH", "11TH", "12TH"};
        chart_.HousePositionText.replace(static_cast<std::size_t>(10 * n - 10), 10,
                                         std::string(ordinals[h]) + " HOUSE");
        return *this;
    }
    // Cusps in display order (1 = 10th house … 4 = 1st … 12 = 9th): equal
    // houses from the given Ascendant; the Ascendant and Midheaven bodies too.
    ChartBuilder& cuspsFromAscendant(double asc) {
        for (int k = 1; k <= 12; ++k) {
            double c = asc + 30.0 * (k - 4);
            c -= 360.0 * std::floor(c / 360.0);
            chart_.Cusp[k] = c;
            chart_.ChartCusp[k] = c;
        }
        at(body::Ascendant, asc, 0);
        at(body::Midheaven, chart_.ChartCusp[1], 0);
        return *this;
    }
    // Cusp of house h (1 to 12), in the display-order table.
    ChartBuilder& cusp(int h, double longitude) {
        const int k = h >= 10 ? h - 9 : h + 3;
        chart_.Cusp[k] = longitude;
        chart_.ChartCusp[k] = longitude;
        return *this;
    }
    // A day chart (the Sun above the horizon) or a night chart: the
    // Ascendant (body 14) a quadrant before or after the Sun as placed, and
    // the Sun's house to match (the 10th or the 4th). The cusps stay.
    ChartBuilder& sunAboveHorizon(bool above) {
        double asc = chart_.ChartLongitude[body::Sun] + (above ? 90.0 : -90.0);
        asc -= 360.0 * std::floor(asc / 360.0);
        at(body::Ascendant, asc, 0);
        return house(body::Sun, above ? 10 : 4);
    }
    ChartBuilder& latitude(float dm) {
        chart_.LatitudeDm = dm;
        chart_.LatitudeSide = dm < 0 ? "SOUTH" : "NORTH";
        return *this;
    }
    ChartState& chart() { return chart_; }
    ChartState build() const { return chart_; }

private:
    ChartState chart_;
};

}  // namespace quaeryn::test
