#pragma once
// A parameter locator for the simulated instrument built from the editor's own parameter tables, for
// end-to-end tests that compare images after parameter edits. The editor's sections over a scratch
// image find each change's row; the row's field becomes the place the instrument writes. Only the
// tables are shared this way: the messages themselves are still decoded by the simulator alone.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "Support/SimCore.h"

namespace QorX0 {
struct SectionSet;
class ISection;
}  // namespace QorX0

namespace Sim {

class TableLocator {
public:
    // With 'mirror' (the instrument's own image), the edit buffers and the global record are copied
    // from it before each look-up, so that rows whose place depends on other values (a tone
    // adjustment's destination, an effect's type) are found as the instrument's data has them.
    explicit TableLocator(Model model, const SimImage* mirror = nullptr);
    ~TableLocator();
    TableLocator(const TableLocator&) = delete;
    TableLocator& operator=(const TableLocator&) = delete;

    // False when the editor's tables have no such parameter (the instrument refuses it). Rows that
    // are not plain bit fields of the image (selectors, names, bank-and-program, timbre status) come
    // back with store = false.
    bool Locate(const ParamChange& change, ParamTarget* target);

private:
    std::function<void(uint8_t*, int)> ResetsAfter(const ParamChange& c, QorX0::ISection* section,
                                                   size_t offset) const;

    std::unique_ptr<QorX0::SectionSet> mSet;
    const SimImage* mMirror;
};

// A locator to hand to SimCore::SetParamLocator; it keeps its own TableLocator. Pass the core's
// image as 'mirror': sim.SetParamLocator(Sim::MakeTableLocator(sim.GetModel(), &sim.Image())).
ParamLocator MakeTableLocator(Model model, const SimImage* mirror = nullptr);

}  // namespace Sim
