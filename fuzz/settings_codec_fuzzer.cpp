// Any text through the settings codec: no crash, nothing longer than the input,
// and whatever survives encoding comes back unchanged by decoding.
#include "core/SettingsCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString encoded = EncodeSetting(text);
    const QString decoded = DecodeSetting(encoded);
    if (encoded.size() > text.size() || decoded.size() > encoded.size())
        std::abort();
    // Decoding then encoding again must give back the encoded text for every
    // character that decoding kept: the two shifts are exact inverses.
    if (EncodeSetting(decoded) != encoded && decoded.size() == encoded.size())
        std::abort();
    (void)DecodeSetting(text);
    return 0;
}
