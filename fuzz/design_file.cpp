// Any bytes given as a design file: ReadDesign never throws and either refuses them with a reason or gives
// a record that, written again, reads back as the same record.
#include <cstdint>
#include <string_view>

#include "FuzzCommon.h"
#include "base/DesignFile.h"
#include "circuits/CircuitDesignFiles.h"
#include "coil/CoilDesignFile.h"
#include "filters/FilterDesignFile.h"
#include "rfpath/RfPathDesignFile.h"
#include "transformer/TransformerDesignFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<const vokta::DesignKind*> kinds{
        &vokta::FilterDesignKind(),     &vokta::TransformerDesignKind(), &vokta::BandSpreadDesignKind(),
        &vokta::ThreePointDesignKind(), &vokta::RfPathDesignKind(),      &vokta::CoilDesignKind()};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vokta::DesignReading reading = vokta::ReadDesign(text, kinds);
    if (!reading.record) {
        if (reading.fault.message.empty()) fuzz::Fail("refused without a reason", std::string(text));
        return 0;
    }
    for (const vokta::DesignKind* kind : kinds) {
        if (kind->id != reading.record->calculator) continue;
        const std::string written = vokta::WriteDesign(*reading.record, *kind);
        const vokta::DesignReading again = vokta::ReadDesign(written, kinds);
        if (!again.record || !(*again.record == *reading.record)) fuzz::Fail("does not come back", written);
    }
    return 0;
}
