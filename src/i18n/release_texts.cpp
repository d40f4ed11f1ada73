// The texts of the program's release, one row per text.
#include "i18n/release_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per ReleaseTextId, in the order of the enumeration.
constexpr TextRow<ReleaseTextId> kTexts[] = {
    {ReleaseTextId::ProgramRelease, "程序版本 %1，发布于 %2", "Program version %1, released %2"},
};
static_assert(RowsInIdOrder(kTexts, ReleaseTextId::ProgramRelease),
              "kTexts must hold one row per ReleaseTextId, in enumeration order");

}  // namespace

std::string ReleaseText(ReleaseTextId id, Language language,
                        std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
