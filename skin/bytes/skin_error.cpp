#include "skin/bytes/skin_error.h"

#include "base/load_budget.h"
#include "skin/bytes/skin_bytes.h"

namespace tolsy {

SkinReadError::SkinReadError(const ShortRead& read)
    : SkinError("Stream read error: " + describe(read)) {}

SkinReadError::SkinReadError(const std::string& what, std::size_t offset, std::size_t needed,
                             std::size_t left)
    : SkinReadError(ShortRead{what, offset, needed, left}) {}

SkinReadError::SkinReadError(const std::string& what, std::size_t offset, std::size_t needed)
    : SkinError("Stream read error: " + what + " at offset " + std::to_string(offset) + " needs " +
                std::to_string(needed) + " bytes, more than the data holds") {}

SkinFormatError::SkinFormatError(const std::string& what, std::size_t offset)
    : SkinError("Invalid skin data: " + what + " at offset " + std::to_string(offset)),
      detail_(what) {}

SkinFormatError::SkinFormatError(const std::string& what)
    : SkinError("Invalid skin data: " + what), detail_(what) {}

SkinClassNotFoundError::SkinClassNotFoundError(const std::string& class_name, std::size_t offset)
    : SkinError("Class " + class_name + " not found (object record at offset " +
                std::to_string(offset) + ")") {}

void SkinReadErrors::short_read(ShortRead read) {
    throw SkinReadError(read);
}

void SkinReadErrors::bad_field(std::string detail, std::size_t offset) {
    throw SkinFormatError(detail, offset);
}

void charge_load(std::size_t amount, std::string_view what, std::size_t offset) {
    LoadBudget* budget = current_load_budget();
    if (budget != nullptr && !budget->charge(amount))
        throw SkinLimitError("Skin too large: " + budget->refusal(what, offset));
}

ImageAllocError::ImageAllocError() : SkinError("Can't allocate the DIB handle") {}

}  // namespace tolsy
