// Shared by the codec tests: a started program and ways to look at and poke image bytes.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "image/image_codec.h"
#include "image/memory_image.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/scripted_host.h"

namespace qv::test {

class StartedProgram : public ::testing::Test {
  protected:
    ScriptedHost host;
    ProgramState state = StartupState(host);

    // The image bytes at [offset, offset + size) as hexadecimal text.
    static std::string BytesAt(const ImageBytes& image, std::size_t offset, std::size_t size) {
        return HexText(std::span(image).subspan(offset, size));
    }
    std::string EncodedAt(std::size_t offset, std::size_t size) const {
        return BytesAt(EncodeImage(state), offset, size);
    }
    // The start-up image with the bytes at `offset` replaced by `hex`.
    ImageBytes StartupImageWith(std::size_t offset, const std::string& hex) const {
        ScriptedHost quiet;
        ImageBytes image = EncodeImage(StartupState(quiet));
        Poke(image, offset, hex);
        return image;
    }
    static void Poke(ImageBytes& image, std::size_t offset, const std::string& hex) {
        for (std::size_t k = 0; 2 * k < hex.size(); ++k) {
            image.at(offset + k) =
                static_cast<std::uint8_t>(std::stoi(hex.substr(2 * k, 2), nullptr, 16));
        }
    }
    void Decode(const ImageBytes& image) { DecodeImageBytes(image, state, host); }
    void DecodeWith(std::size_t offset, const std::string& hex) {
        Decode(StartupImageWith(offset, hex));
    }
};

}  // namespace qv::test
