// The test-frequency grid's rules: which cells may be edited and where a typed frequency lands.
#include "rules/dialogs/service_frequencies_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "i18n/messages.h"
#include "image/image_test_support.h"
#include "support/decimal_comma_locale.h"

namespace qv {
namespace {

struct RasterCase {
    std::string typed;
    const char* rx;  // in the receive column (and copied to the transmit column)
    const char* tx;  // in the transmit column
};

// r5 / r625 are the remainders on the 5 kHz and 6.25 kHz rasters.
const RasterCase kRasterCases[] = {
    {"435.0123", "435.01000", "435.01000"},      // r5 0.0023 < r625 0.00605
    {"435.007", "435.00625", "435.00500"},       // r5 0.002 >= r625 0.00075; tx not on 6.25
    {"435.00625", "435.00625", "435.00625"},     // on 6.25 kHz
    {"435.005", "435.00500", "435.00500"},       // on 5 kHz only
    {"435.01", "435.01000", "435.01000"},        // on 5 kHz, 0.00375 off 6.25 kHz
    {"435.126", "435.12500", "435.12500"},       // equal remainders go to 6.25 kHz
    {"435.019", "435.01875", "435.01500"},       // r5 0.004 > r625 0.00025
    {"435.0123 MHz", "435.01000", "435.01000"},  // the leading number counts
    {" 435.0123", "435.01000", "435.01000"},
    {"435,0123", "435.00000", "435.00000"},  // a comma ends the number
    {"abc", "0.00000", "0.00000"},           // no number at all
    {"0.004", "0.00000", "0.00000"},         // below both steps: the rest is all of it
    {"-5", "0.00000", "0.00000"},
    {"1e9", "1.00000", "1.00000"},                  // no exponents in a cell
    {std::string(400, '9'), "0.00000", "0.00000"},  // too large to be a number
};

void ExpectRasterCases() {
    for (const RasterCase& c : kRasterCases) {
        EXPECT_EQ(RxTestFrequency(c.typed), c.rx) << c.typed;
        EXPECT_EQ(TxTestFrequency(c.typed), c.tx) << c.typed;
    }
}

TEST(TestFrequencyRaster, MovesTypedFrequenciesDownOntoARaster) {
    ExpectRasterCases();
}

TEST(TestFrequencyRaster, IgnoresALocaleWithADecimalComma) {
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale
                                 << " is missing; scripts/install-deps.sh generates it";
    ExpectRasterCases();
}

class TestFrequencyGrid : public test::StartedProgram {
  protected:
    std::array<std::string, 3>& Row(int row) { return state.Form4.mfgrid1[row]; }
    Changes Type(int row, int column, std::string_view text) {
        return EditTestFrequency(state, host, row, column, text);
    }
};

TEST_F(TestFrequencyGrid, StartsWithLabelledEmptyRows) {
    for (int row = 1; row <= 16; ++row) {
        char label[3];
        std::snprintf(label, sizeof label, "%02d", row);
        EXPECT_EQ(Row(row)[0], label);
        EXPECT_EQ(Row(row)[1], "");
        EXPECT_EQ(Row(row)[2], "");
    }
}

TEST_F(TestFrequencyGrid, OnlyFrequencyCellsAreEditedAndTransmitNeedsReceive) {
    const struct {
        int row;
        int column;
        bool editable;
        const char* what;
    } cells[] = {
        {1, kTestRxColumn, true, "the first row"},
        {16, kTestRxColumn, true, "the last row"},
        {1, kTestTxColumn, false, "empty receive frequency"},
        {16, kTestTxColumn, false, "empty receive frequency in the last row"},
        {1, 0, false, "the label column"},
        {0, kTestRxColumn, false, "the header row"},
        {17, kTestRxColumn, false, "no such row"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(TestFrequencyCellEditable(state, c.row, c.column), c.editable) << c.what;
    }

    const qv::Setup before = state;
    EXPECT_TRUE(Type(1, kTestTxColumn, "435.00625").Empty());
    EXPECT_TRUE(Type(1, 0, "99").Empty());
    EXPECT_EQ(static_cast<const qv::Setup&>(state), before) << "a refused edit changes nothing";

    Type(1, kTestRxColumn, "435.0");
    EXPECT_TRUE(TestFrequencyCellEditable(state, 1, kTestTxColumn));
}

TEST_F(TestFrequencyGrid, ReceiveFrequencySetsBothColumns) {
    Type(4, kTestRxColumn, "435.0123");
    Type(4, kTestTxColumn, "435.00625");
    EXPECT_EQ(Type(4, kTestRxColumn, "435.007"), Changes(StatePart::Form4));
    EXPECT_EQ(Row(4)[1], "435.00625");
    EXPECT_EQ(Row(4)[2], "435.00625") << "the transmit frequency follows, whatever it held";
}

TEST_F(TestFrequencyGrid, TransmitFrequencyGoesOntoItsOwnRaster) {
    Type(4, kTestRxColumn, "435.0123");
    Type(4, kTestTxColumn, "435.007");
    EXPECT_EQ(Row(4)[1], "435.01000");
    EXPECT_EQ(Row(4)[2], "435.00500");
}

TEST_F(TestFrequencyGrid, ClearingReceiveClearsTransmitAndClearingTransmitCopiesReceive) {
    Type(2, kTestRxColumn, "435.0123");
    Type(2, kTestTxColumn, "436");
    Type(2, kTestTxColumn, "");
    EXPECT_EQ(Row(2)[2], "435.01000");
    Type(2, kTestRxColumn, "");
    EXPECT_EQ(Row(2)[1], "");
    EXPECT_EQ(Row(2)[2], "");
}

TEST_F(TestFrequencyGrid, OkStoresTheGridAndTheImageCarriesIt) {
    Type(1, kTestRxColumn, "435.0123");
    Type(1, kTestTxColumn, "435.007");
    EXPECT_EQ(state.TestFrequencyTable[0][0], "") << "edits stay in the grid until OK";
    EXPECT_EQ(EncodedAt(0x270, 8), "FFFFFFFFFFFFFFFF");

    EXPECT_EQ(StoreTestFrequencies(state), Changes(StatePart::Form4));
    EXPECT_EQ(state.TestFrequencyTable[0][0], "435.01000");
    EXPECT_EQ(state.TestFrequencyTable[1][0], "435.00500");
    EXPECT_EQ(state.TestFrequencyTable[0][1], "");
    EXPECT_EQ(EncodedAt(0x270, 8), "0010504300055043");
}

// What a typed text does to a row that holds 435.01000 / 436.00000: nullptr where it is refused.
struct TypedCase {
    std::string typed;
    const char* rxTyped;  // column 1 after typing into column 1 (column 2 follows it)
    const char* txTyped;  // column 2 after typing into column 2
};

const TypedCase kTypedCases[] = {
    {"50", nullptr, nullptr},  // would be saved as 500.00000
    {"99.99999", nullptr, nullptr},
    {"100", "100.00000", "100.00000"},
    {"999.99999", "999.99500", "999.99500"},
    {"1000", nullptr, nullptr},  // would be saved as 100.00000
    {"abc", nullptr, nullptr},   // would be 0.00000
    {"", "", "435.01000"},       // emptied: receive empties the row, transmit copies receive
    {"   ", "", "435.01000"},    // blanks only look empty, and count so
    {" 435.1 ", "435.10000", "435.10000"},
    {"435,1", nullptr, nullptr},  // a comma is no decimal point here
    {"435.0123 MHz", nullptr, nullptr},
    {"-435", nullptr, nullptr},
    {"4.35e2", nullptr, nullptr},
    {std::string(400, '9'), nullptr, nullptr},
};

class TypedTestFrequency : public TestFrequencyGrid {
  protected:
    static constexpr int kRow = 5;

    // Every case into either column of a fresh row, in `language`.
    void ExpectTypedCases(int languageIsEnglish) {
        for (const TypedCase& c : kTypedCases) {
            SCOPED_TRACE("typed \"" + c.typed.substr(0, 20) + "\"");
            ExpectTyped(kTestRxColumn, c.typed, c.rxTyped, languageIsEnglish);
            ExpectTyped(kTestTxColumn, c.typed, c.txTyped, languageIsEnglish);
        }
    }

  private:
    void ExpectTyped(int column, const std::string& typed, const char* expected,
                     int languageIsEnglish) {
        SCOPED_TRACE(column == kTestRxColumn ? "receive column" : "transmit column");
        state = StartupState(host);
        state.LanguageIsEnglish = languageIsEnglish;
        Type(kRow, kTestRxColumn, "435.0123");
        Type(kRow, kTestTxColumn, "436");
        host.shown.clear();
        const std::array<std::string, 3> before = Row(kRow);

        const Changes changes = Type(kRow, column, typed);
        if (expected == nullptr) {
            EXPECT_TRUE(changes.Empty());
            EXPECT_EQ(Row(kRow), before) << "the cell keeps its text";
            ASSERT_EQ(host.shown.size(), 1u) << "a refusal says why";
            const Language language = MessageLanguage(languageIsEnglish);
            EXPECT_EQ(host.shown[0].text,
                      MessageText(MessageId::TestFrequencyOutOfField, language));
            return;
        }
        EXPECT_EQ(changes, Changes(StatePart::Form4));
        EXPECT_TRUE(host.shown.empty());
        EXPECT_EQ(Row(kRow)[column], expected);
        const int other = column == kTestRxColumn ? kTestTxColumn : kTestRxColumn;
        // The transmit frequency follows a typed receive frequency; the receive one stays.
        EXPECT_EQ(Row(kRow)[other], column == kTestRxColumn ? expected : "435.01000");

        // What the cells show is what the image carries.
        StoreTestFrequencies(state);
        const qv::Setup decoded = DecodeSetup(EncodeImage(state), state, Language::Chinese).setup;
        EXPECT_EQ(decoded.TestFrequencyTable[0][kRow - 1], Row(kRow)[kTestRxColumn]);
        EXPECT_EQ(decoded.TestFrequencyTable[1][kRow - 1], Row(kRow)[kTestTxColumn]);
    }
};

TEST_F(TypedTestFrequency, OnlyFrequenciesTheImageHoldsAreTakenAndRefusalsSaySo) {
    ExpectTypedCases(0);
    ExpectTypedCases(1);
}

TEST_F(TypedTestFrequency, IgnoreALocaleWithADecimalComma) {
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale
                                 << " is missing; scripts/install-deps.sh generates it";
    ExpectTypedCases(1);
}

// The first and the last test channel, as far as the image: a receive frequency typed into the
// row lands in both columns, and OK stores it at the row's index.
TEST_F(TestFrequencyGrid, TheFirstAndTheLastRowReachTheHeldTable) {
    const struct {
        int row;
        std::size_t at;  // image offset of the test channel
    } rows[] = {{1, 0x270}, {16, 0x270 + 8 * 15}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        state = StartupState(host);
        EXPECT_EQ(Type(r.row, kTestRxColumn, "435.0123"), Changes(StatePart::Form4));
        EXPECT_EQ(Row(r.row)[kTestRxColumn], "435.01000");
        EXPECT_EQ(Row(r.row)[kTestTxColumn], "435.01000");
        StoreTestFrequencies(state);
        const auto index = static_cast<std::size_t>(r.row - 1);
        EXPECT_EQ(state.TestFrequencyTable[0][index], "435.01000");
        EXPECT_EQ(state.TestFrequencyTable[1][index], "435.01000");
        EXPECT_EQ(EncodedAt(r.at, 8), "0010504300105043");
    }
}

}  // namespace
}  // namespace qv
