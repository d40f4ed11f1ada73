// The three channel blocks and the scan-add bitmap as image fields.
#include "image/channel_codec.h"
#include "image/field_codecs.h"

namespace qv {
namespace {

template <int First>
void EncodeChannelBlock(const Setup& setup, FieldOut field) {
    for (int row = First; row < First + 16; ++row) {
        EncodeChannelRow(setup, row,
                         field.subspan(static_cast<std::size_t>(row - First) * kChannelRecordBytes)
                             .first<kChannelRecordBytes>());
    }
}

}  // namespace

void DecodeChannels1To16(FieldBytes field, Decoding& decoded) {
    SetGrid(decoded.setup, decoded.cellLanguage, 1, 16, field);
}
void DecodeChannels17To32(FieldBytes field, Decoding& decoded) {
    SetGrid(decoded.setup, decoded.cellLanguage, 17, 32, field);
}
void DecodeChannels33To48(FieldBytes field, Decoding& decoded) {
    SetGrid(decoded.setup, decoded.cellLanguage, 33, 48, field);
}
void EncodeChannels1To16(const Setup& setup, FieldOut field) {
    EncodeChannelBlock<1>(setup, field);
}
void EncodeChannels17To32(const Setup& setup, FieldOut field) {
    EncodeChannelBlock<17>(setup, field);
}
void EncodeChannels33To48(const Setup& setup, FieldOut field) {
    EncodeChannelBlock<33>(setup, field);
}
void DecodeScanList(FieldBytes field, Decoding& decoded) {
    DecodeScanBitmap(field, decoded.setup, decoded.cellLanguage);
}
void EncodeScanList(const Setup& setup, FieldOut field) {
    EncodeScanBitmap(setup, field);
}

}  // namespace qv
