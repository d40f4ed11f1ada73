// The three channel blocks and the scan-add bitmap as image fields.
#include "image/channel_codec.h"
#include "image/field_codecs.h"

namespace qv {
namespace {

template <int First>
void EncodeChannelBlock(const ProgramState& state, FieldOut field) {
    for (int row = First; row < First + 16; ++row) {
        EncodeChannelRow(state, row,
                         field.subspan(static_cast<std::size_t>(row - First) * kChannelRecordBytes)
                             .first<kChannelRecordBytes>());
    }
}

}  // namespace

void DecodeChannels1To16(FieldBytes field, ProgramState& state, Host&) {
    SetGrid(state, 1, 16, field);
}
void DecodeChannels17To32(FieldBytes field, ProgramState& state, Host&) {
    SetGrid(state, 17, 32, field);
}
void DecodeChannels33To48(FieldBytes field, ProgramState& state, Host&) {
    SetGrid(state, 33, 48, field);
}
void EncodeChannels1To16(const ProgramState& state, FieldOut field) {
    EncodeChannelBlock<1>(state, field);
}
void EncodeChannels17To32(const ProgramState& state, FieldOut field) {
    EncodeChannelBlock<17>(state, field);
}
void EncodeChannels33To48(const ProgramState& state, FieldOut field) {
    EncodeChannelBlock<33>(state, field);
}
void DecodeScanList(FieldBytes field, ProgramState& state, Host&) {
    DecodeScanBitmap(field, state);
}
void EncodeScanList(const ProgramState& state, FieldOut field) {
    EncodeScanBitmap(state, field);
}

}  // namespace qv
