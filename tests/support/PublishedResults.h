#pragma once

#include <vector>

namespace baritemp::test {

// 1 in each unit, French separators (",", a blank), 4 decimals: what every unit of its group
// shows, written out from the published conversion table (exact decimal arithmetic, half away
// from zero at the fourth decimal), not from the engine.
struct OneIn {
    const char* unit;
    std::vector<const char*> shown;
};

inline const OneIn kOneInEachUnit[] = {
    {"bar",
     {"1,0000 bar", "1 000,0000 mbar", "14,5038 psi", "1,0197 kg/cm²", "100 000,0000 Pa",
      "10 000,0000 daPa", "100,0000 kPa", "0,1000 MPa", "750,0617 Torr", "10,1972 mCE",
      "750,0615 mmHg", "10 197,1621 mmCE", "29,5300 inch Hg", "401,4742 inch CE"}},
    {"mbar",
     {"0,0010 bar", "1,0000 mbar", "0,0145 psi", "0,0010 kg/cm²", "100,0000 Pa", "10,0000 daPa",
      "0,1000 kPa", "0,0001 MPa", "0,7501 Torr", "0,0102 mCE", "0,7501 mmHg", "10,1972 mmCE",
      "0,0295 inch Hg", "0,4015 inch CE"}},
    {"psi",
     {"0,0689 bar", "68,9476 mbar", "1,0000 psi", "0,0703 kg/cm²", "6 894,7573 Pa", "689,4757 daPa",
      "6,8948 kPa", "0,0069 MPa", "51,7149 Torr", "0,7031 mCE", "51,7149 mmHg", "703,0696 mmCE",
      "2,0360 inch Hg", "27,6807 inch CE"}},
    {"kg/cm²",
     {"0,9807 bar", "980,6600 mbar", "14,2233 psi", "1,0000 kg/cm²", "98 066,5000 Pa",
      "9 806,6500 daPa", "98,0665 kPa", "0,0981 MPa", "735,5592 Torr", "10,0001 mCE",
      "735,5591 mmHg", "10 000,1020 mmCE", "28,9590 inch Hg", "393,7117 inch CE"}},
    {"Pa",
     {"0,0000 bar", "0,0100 mbar", "0,0001 psi", "0,0000 kg/cm²", "1,0000 Pa", "0,1000 daPa",
      "0,0010 kPa", "0,0000 MPa", "0,0075 Torr", "0,0001 mCE", "0,0075 mmHg", "0,1020 mmCE",
      "0,0003 inch Hg", "0,0040 inch CE"}},
    {"daPa",
     {"0,0001 bar", "0,1000 mbar", "0,0015 psi", "0,0001 kg/cm²", "10,0000 Pa", "1,0000 daPa",
      "0,0100 kPa", "0,0000 MPa", "0,0750 Torr", "0,0010 mCE", "0,0750 mmHg", "1,0197 mmCE",
      "0,0030 inch Hg", "0,0401 inch CE"}},
    {"kPa",
     {"0,0100 bar", "10,0000 mbar", "0,1450 psi", "0,0102 kg/cm²", "1 000,0000 Pa", "100,0000 daPa",
      "1,0000 kPa", "0,0010 MPa", "7,5006 Torr", "0,1020 mCE", "7,5006 mmHg", "101,9716 mmCE",
      "0,2953 inch Hg", "4,0147 inch CE"}},
    {"MPa",
     {"10,0000 bar", "10 000,0000 mbar", "145,0377 psi", "10,1972 kg/cm²", "1 000 000,0000 Pa",
      "100 000,0000 daPa", "1 000,0000 kPa", "1,0000 MPa", "7 500,6168 Torr", "101,9716 mCE",
      "7 500,6151 mmHg", "101 971,6213 mmCE", "295,2998 inch Hg", "4 014,7421 inch CE"}},
    {"Torr",
     {"0,0013 bar", "1,3332 mbar", "0,0193 psi", "0,0014 kg/cm²", "133,3224 Pa", "13,3322 daPa",
      "0,1333 kPa", "0,0001 MPa", "1,0000 Torr", "0,0136 mCE", "1,0000 mmHg", "13,5951 mmCE",
      "0,0394 inch Hg", "0,5353 inch CE"}},
    {"mCE",
     {"0,0981 bar", "98,0665 mbar", "1,4223 psi", "0,1000 kg/cm²", "9 806,6500 Pa", "980,6650 daPa",
      "9,8067 kPa", "0,0098 MPa", "73,5559 Torr", "1,0000 mCE", "73,5559 mmHg", "1 000,0000 mmCE",
      "2,8959 inch Hg", "39,3712 inch CE"}},
    {"mmHg",
     {"0,0013 bar", "1,3332 mbar", "0,0193 psi", "0,0014 kg/cm²", "133,3224 Pa", "13,3322 daPa",
      "0,1333 kPa", "0,0001 MPa", "1,0000 Torr", "0,0136 mCE", "1,0000 mmHg", "13,5951 mmCE",
      "0,0394 inch Hg", "0,5353 inch CE"}},
    {"mmCE",
     {"0,0001 bar", "0,0981 mbar", "0,0014 psi", "0,0001 kg/cm²", "9,8067 Pa", "0,9807 daPa",
      "0,0098 kPa", "0,0000 MPa", "0,0736 Torr", "0,0010 mCE", "0,0736 mmHg", "1,0000 mmCE",
      "0,0029 inch Hg", "0,0394 inch CE"}},
    {"inch Hg",
     {"0,0339 bar", "33,8639 mbar", "0,4912 psi", "0,0345 kg/cm²", "3 386,3890 Pa", "338,6389 daPa",
      "3,3864 kPa", "0,0034 MPa", "25,4000 Torr", "0,3453 mCE", "25,4000 mmHg", "345,3156 mmCE",
      "1,0000 inch Hg", "13,5955 inch CE"}},
    {"inch CE",
     {"0,0025 bar", "2,4908 mbar", "0,0361 psi", "0,0025 kg/cm²", "249,0820 Pa", "24,9082 daPa",
      "0,2491 kPa", "0,0002 MPa", "1,8683 Torr", "0,0254 mCE", "1,8683 mmHg", "25,3993 mmCE",
      "0,0736 inch Hg", "1,0000 inch CE"}},
    {"°C", {"1,0000 °C", "33,8000 °F", "274,1500 K"}},
    {"°F", {"-17,2222 °C", "1,0000 °F", "255,9278 K"}},
    {"K", {"-272,1500 °C", "-457,8700 °F", "1,0000 K"}},
};

} // namespace baritemp::test
