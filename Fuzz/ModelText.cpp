// Typed and host-supplied texts reach the converters' parsers and the expression evaluator; display
// formats are data but must not be trusted to be well formed either.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Common/Model/Converters.h"
#include "Common/Model/Mathexp.h"
#include "Common/Model/ModelStrings.h"

using namespace QorX0;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Input: format, a zero byte, then the text (all text when there is no zero byte).
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t zero = input.find('\0');
    const std::string format = zero == std::string::npos ? std::string() : input.substr(0, zero);
    const std::string text = zero == std::string::npos ? input : input.substr(zero + 1);

    float result = 0;
    mathexp::eval(text.c_str(), 1.5f, &result);

    static const CStringConverterCont pan(0, 127, "0~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v");
    static const CStringConverterCont cents(-1200, 1200, "-1200~1200\t-12~12\t%.2f,v");
    int value = 0;
    pan.TryParse(text.c_str(), &value);
    cents.Parse(text.c_str());

    CStringConverterCont cont(-64, 63, format.c_str());
    for (int v : {-65, -64, 0, 63, 1000}) cont.Format(v);
    cont.Parse(text.c_str());
    CStringConverterEnum list(format.c_str());
    list.Format(0);
    list.Parse(text.c_str());
    breakstring(text.c_str(), ',');
    return 0;
}
