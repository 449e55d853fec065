#include "double_byte.h"

namespace {

bool StartsDoubleByte(const char* text, LeadBytePredicate isLeadByte) {
    return isLeadByte && isLeadByte(static_cast<unsigned char>(*text));
}

}  // namespace

size_t CharacterSize(const char* text, LeadBytePredicate isLeadByte) {
    return StartsDoubleByte(text, isLeadByte) && text[1] ? 2 : 1;
}

bool IsUnfinishedCharacter(const char* text, LeadBytePredicate isLeadByte) {
    return StartsDoubleByte(text, isLeadByte) && !text[1];
}
