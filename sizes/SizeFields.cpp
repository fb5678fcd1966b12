// The value shown as a byte count in the three size boxes.
#include "Form1.h"

#include "Controls.h"

using namespace value;

// Each box gets the quotient of the value by its unit as a number text with
// at most four decimals, cut, not rounded: "0.9997" for 0.999755859375.
void Form1::SetKB_MB_GB(const Text& InDecStr) {
    const std::pair<QLineEdit*, double> boxes[] = {
        {txtKsize, 1024.0}, {TxtMsize, 1048576.0}, {txtGsize, 1073741824.0}};
    for (const auto& [box, divisor] : boxes) {
        const double q = DecStr2DoubleValue(InDecStr) / divisor;
        const Text f = FixedText(q, 10);
        Text g = GeneralNumberText(LeadingNumber(f));
        if (g.starts_with(u'.'))
            g.insert(0, 1, u'0');
        const auto point = g.find(u'.');
        if (point != Text::npos && g.size() > point + 5)
            g.resize(point + 5);
        SetText(box, g);
    }
}
