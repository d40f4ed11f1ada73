// qv7100-cli detect, run as a user runs it, against virtual radios on pseudo-terminals named
// COM1, COM2... through the environment.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "link/core/port_mapping.h"
#include "sim/pty_server.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;
using Result = test::CliResult;
using test::Contains;

const std::string kHandshake = "QV-PROG";
// All a radio may hear from a detection that found it: the handshake, the request, the end.
const std::string kFoundTranscript = kHandshake + "\x02\x45";
const std::string kSilentTranscript = kHandshake + "\x45";

class CliDetect : public test::CliProcess {
  protected:
    std::vector<std::unique_ptr<PtyServer>> radios;

    void TearDown() override {
        for (const auto& radio : radios) radio->Stop();
        for (int com = 1; com <= kPortCount; ++com) ::unsetenv(ComPortVariable(com).c_str());
        test::CliProcess::TearDown();
    }

    // A virtual radio of `band` misbehaving as `fault` says; with `com`, COM`com` stands for it.
    const PtyServer& StartRadio(int band, const std::string& fault = "none", int com = 0) {
        radios.push_back(std::make_unique<PtyServer>(
            VirtualRadio(Bytes(1536, 0xFF), band, *ParseRadioFault(fault)), false));
        EXPECT_TRUE(radios.back()->Start(nullptr));
        if (com > 0) ::setenv(ComPortVariable(com).c_str(), radios.back()->DevicePath().c_str(), 1);
        return *radios.back();
    }

    // What the radio heard, once it has taken in an end byte for every session.
    static std::string Transcript(const PtyServer& server) {
        RadioRecord record = server.Snapshot();
        for (int wait = 0; wait < 200 && record.endsReceived < record.sessions; ++wait) {
            ::usleep(10000);
            record = server.Snapshot();
        }
        return {record.received.begin(), record.received.end()};
    }

    // The lines of `text`, each cut into the cells of the table's columns.
    static std::vector<std::vector<std::string>> Rows(const std::string& text) {
        std::vector<std::vector<std::string>> rows;
        std::size_t from = 0;
        for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
            const std::string line = text.substr(from, end - from);
            std::vector<std::string> cells;
            for (std::size_t at = 0; at < line.size();) {
                const std::size_t gap = line.find("  ", at);
                cells.push_back(line.substr(at, gap - at));
                if (gap == std::string::npos) break;
                at = line.find_first_not_of(' ', gap);
            }
            rows.push_back(cells);
        }
        return rows;
    }

    static QJsonArray JsonOf(const std::string& text) {
        QJsonParseError error{};
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << error.errorString().toStdString() << "\n"
            << text;
        EXPECT_TRUE(document.isArray()) << text;
        return document.array();
    }

    static std::string Field(const QJsonValue& object, const char* name) {
        return object.toObject().value(name).toString().toStdString();
    }
    static bool IsNull(const QJsonValue& object, const char* name) {
        const QJsonObject fields = object.toObject();
        return fields.contains(name) && fields.value(name).isNull();
    }
};

// A radio, a silent port, another model and a radio of another band, each on its own COMn, in one
// detect: a line per port in the text, an object per port in the JSON, and no radio heard more
// than the handshake, the identification request and the end byte.
TEST_F(CliDetect, TellsWhatAnsweredOnEachPortInTextAndJson) {
    const PtyServer& radio = StartRadio(0, "none", 1);
    const PtyServer& silent = StartRadio(0, "silent", 2);
    const PtyServer& other = StartRadio(0, "wrong-model", 3);
    const PtyServer& highBand = StartRadio(3, "none", 4);

    const Result text = Run("detect --port COM1..COM4");
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(Rows(text.out), (std::vector<std::vector<std::string>>{
                                  {"Port", "Device", "Answer"},
                                  {"COM1", radio.DevicePath(), "QV-7100, 400-470MHz"},
                                  {"COM2", silent.DevicePath(), "nothing answered"},
                                  {"COM3", other.DevicePath(), "another model: QV711!\\x01\\x00"},
                                  {"COM4", highBand.DevicePath(), "QV-7100, 370-390MHz"},
                              }));

    const Result json = Run("detect --json --port COM1 --port com2 --port COM3..COM4");
    EXPECT_EQ(json.exitCode, 0) << json.err;
    const QJsonArray ports = JsonOf(json.out);
    ASSERT_EQ(ports.size(), 4);
    const struct {
        const PtyServer& server;
        const char* port;
        const char* answer;
        const char* band;  // null: none
        const char* identification;
    } expected[] = {
        {radio, "COM1", "qv7100", "400-470MHz", "QV710!\\x01\\x00"},
        {silent, "COM2", "none", nullptr, nullptr},
        {other, "COM3", "other", nullptr, "QV711!\\x01\\x00"},
        {highBand, "COM4", "qv7100", "370-390MHz", "QV710?\\x01\\x00"},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].port);
        const QJsonValue port = ports[i];
        EXPECT_EQ(Field(port, "port"), expected[i].port);
        EXPECT_EQ(Field(port, "device"), expected[i].server.DevicePath());
        EXPECT_EQ(Field(port, "answer"), expected[i].answer);
        if (expected[i].band != nullptr) {
            EXPECT_EQ(Field(port, "band"), expected[i].band);
        } else {
            EXPECT_TRUE(IsNull(port, "band"));
        }
        if (expected[i].identification != nullptr) {
            EXPECT_EQ(Field(port, "identification"), expected[i].identification);
        } else {
            EXPECT_TRUE(IsNull(port, "identification"));
        }
        EXPECT_TRUE(IsNull(port, "detail"));
        EXPECT_TRUE(IsNull(port, "usb"));
        EXPECT_EQ(Field(port, "text"), Rows(text.out)[static_cast<std::size_t>(i) + 1][2]);
    }

    // Two detections, each nothing but the handshake, the request and the end byte.
    for (const PtyServer* server : {&radio, &other, &highBand}) {
        EXPECT_EQ(Transcript(*server), kFoundTranscript + kFoundTranscript);
        EXPECT_TRUE(server->Snapshot().blocksRead.empty());
        EXPECT_TRUE(server->Snapshot().blocksWritten.empty());
    }
    EXPECT_EQ(Transcript(silent), kSilentTranscript + kSilentTranscript);
}

// Exit 0 only when a QV-7100 answered; a port that does not open is an error with its reason,
// and a port named twice is probed once.
TEST_F(CliDetect, ExitsWithOneWhenNoRadioAnswered) {
    const PtyServer& silent = StartRadio(0, "silent", 2);
    StartRadio(0, "wrong-model", 3);
    const fs::path file = dir / "notes.txt";
    std::ofstream(file) << "no serial port";

    const Result none = Run("detect --port COM2 --port COM3 --port /dev/qv-no-such-device");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(Contains(none.err, "No QV-7100 answered on any port.")) << none.err;
    ASSERT_EQ(Rows(none.out).size(), 4u) << none.out;

    const Result json =
        Run("detect --json --port " + file.string() + " --port /dev/qv-no-such-device --port " +
            silent.DevicePath() + " --port COM2");
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_TRUE(Contains(json.err, silent.DevicePath() + ", named before: it is probed once"))
        << json.err;
    const QJsonArray ports = JsonOf(json.out);
    ASSERT_EQ(ports.size(), 3);
    EXPECT_EQ(Field(ports[0], "port"), file.string());
    EXPECT_EQ(Field(ports[0], "answer"), "error");
    EXPECT_EQ(Field(ports[0], "detail"), "not-serial");
    EXPECT_EQ(Field(ports[1], "answer"), "error");
    EXPECT_EQ(Field(ports[1], "detail"), "not-found");
    EXPECT_TRUE(Contains(Field(ports[1], "text"), "/dev/qv-no-such-device"));
    EXPECT_EQ(Field(ports[2], "answer"), "none");
    EXPECT_EQ(Transcript(silent), kSilentTranscript + kSilentTranscript);

    StartRadio(5, "none", 4);
    const Result found = Run("detect --port COM2..COM4");
    EXPECT_EQ(found.exitCode, 0) << found.err;
}

TEST_F(CliDetect, APortThatIsNoPortIsAUsageError) {
    const struct {
        const char* arguments;
        const char* said;
    } cases[] = {
        {"detect --port COM9", "COM9 is no port"},
        {"detect --port COM3..COM1", "COM3..COM1 names no ports"},
        {"detect --port ''", "a device path or COM1..COM8 is needed"},
        {"detect --verbose", "--verbose"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Result result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(Contains(result.err, c.said)) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// Without --port, every COM1..COM8 that stands for a device is probed, in order.
TEST_F(CliDetect, WithoutAPortEveryComThatStandsForADeviceIsProbed) {
    for (int com = 1; com <= kPortCount; ++com) StartRadio(com % 6, "none", com);
    const Result result = Run("detect");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::vector<std::string>> rows = Rows(result.out);
    ASSERT_EQ(rows.size(), 9u) << result.out;
    const char* bands[] = {"450-490MHz", "400-430MHz", "370-390MHz", "350-370MHz",
                           "600-620MHz", "400-470MHz", "450-490MHz", "400-430MHz"};
    for (int com = 1; com <= kPortCount; ++com) {
        SCOPED_TRACE(com);
        EXPECT_EQ(rows[com], (std::vector<std::string>{"COM" + std::to_string(com),
                                                       radios[com - 1]->DevicePath(),
                                                       std::string("QV-7100, ") + bands[com - 1]}));
    }
}

// A device path is printed as it is named, whatever it holds: escaped in the text, exact in the
// JSON (bytes that are no UTF-8 there as U+FFFD), so that a script always reads valid JSON.
TEST_F(CliDetect, AnOddDeviceNameStaysReadableAndTheJsonValid) {
    const PtyServer& radio = StartRadio(2);
    const std::string name = "radio \"one\" \\ tab\t\x01 é";
    const fs::path link = dir / name;
    const fs::path broken = dir / "bad\xff";
    fs::create_symlink(radio.DevicePath(), link);
    const auto quoted = [](const fs::path& path) { return "'" + path.string() + "'"; };

    const Result json = Run("detect --json --port " + quoted(link) + " --port " + quoted(broken));
    EXPECT_EQ(json.exitCode, 0) << json.err;
    const QJsonArray ports = JsonOf(json.out);
    ASSERT_EQ(ports.size(), 2);
    EXPECT_EQ(Field(ports[0], "port"), link.string());
    EXPECT_EQ(Field(ports[0], "device"), link.string());
    EXPECT_EQ(Field(ports[0], "band"), "400-430MHz");
    EXPECT_EQ(Field(ports[1], "device"), (dir / "bad\xef\xbf\xbd").string());
    EXPECT_EQ(Field(ports[1], "detail"), "not-found");

    const Result text = Run("detect --port " + quoted(link));
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(Contains(text.out, (dir / "radio \"one\" \\ tab\\x09\\x01 é").string()))
        << text.out;
}

}  // namespace
}  // namespace qv
