// Printing through a real CUPS spooler: the suite's own daemon with cups-pdf
// queues, reached by the program through Qt's CUPS support.
#include <QComboBox>
#include <filesystem>

#include "core/book_settings.h"
#include "cups/private_spooler.h"
#include "support/pdf_words.h"
#include "ui/controls.h"
#include "ui/program_fixture.h"

namespace qm {

test::PrivateSpooler* g_spooler = nullptr;
const std::string kQueue = "QuillmarkEnvelopes";

namespace {

class CupsPrintTest : public test::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        platform::SetPrinterListingForTesting(nullptr);  // the spooler's real destinations
        for (const auto& entry : std::filesystem::directory_iterator(g_spooler->PdfFolder())) {
            std::filesystem::remove(entry.path());
        }
    }
    std::vector<std::string> PdfFiles() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(g_spooler->PdfFolder())) {
            files.push_back(entry.path().string());
        }
        return files;
    }
};

TEST_F(CupsPrintTest, ThreeCopiesAreThreeCompletedJobsWithTheEnvelope) {
    Start();
    SetText(SenderNameField, "Pat Sender");
    SetText(SenderStreetField, "1 Main St");
    SetText(SenderCityStateZipField, "Springfield, IL 62701");
    SetText(AddresseeNameField, "John Smith");
    SetText(AddresseeStreetField, "12 Elm St");
    SetText(AddresseeCityField, "Austin");
    SetText(AddresseeStateField, "TX");
    SetText(AddresseeZipField, "78701");
    SetText(CopiesField, "3");
    platform::SelectDropDownEntry(MainWindow(), PrinterList, kQueue);
    ASSERT_EQ(Text(PrinterList), kQueue);
    DispatchEvent({platform::EventKind::Command, MainWindow(), KeyF6});
    Pump();

    EXPECT_EQ(g_spooler->WaitForCompletedJobs(kQueue, "Quillmark - JOHN SMITH", 3, 90), 3);
    std::vector<std::string> files = PdfFiles();
    for (int i = 0; i < 50 && files.size() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        files = PdfFiles();
    }
    ASSERT_EQ(files.size(), 3u);
    for (const std::string& pdf : files) {
        EXPECT_NE(pdf.find("Quillmark_-_JOHN_SMITH"), std::string::npos) << pdf;  // named after the job
        const std::vector<test::PdfWord> words = test::PdfWords(pdf);
        for (const char* word : {"PAT", "SENDER", "SPRINGFIELD,", "JOHN", "SMITH", "AUSTIN", "78701"}) {
            EXPECT_NE(test::FindWord(words, word), nullptr) << word << " in " << pdf;
        }
    }
    EXPECT_EQ(Text(HintLine).rfind("Saved to", 0), std::string::npos);  // nothing went to the PDF printer
    EXPECT_EQ(Text(AddresseeNameField), "");                            // the addressee was filed
    EXPECT_NE(test::ReadBytes(DataFolder() + "Addresses.adb").find("John Smith^12 Elm St^^Austin^TX^78701^0^1\r\n"),
              std::string::npos);
}

TEST_F(CupsPrintTest, TheOnlyInstalledPrinterIsShownAndBecomesTheDefault) {
    Start();
    EXPECT_EQ(Text(PrinterList), kQueue);  // listed before the built-in PDF printer
    DispatchEvent({platform::EventKind::Command, MainWindow(), KeyEscape});
    EXPECT_NE(test::ReadBytes(DataFolder() + "Addresses.inf").find("Default Printer = " + kQueue + "\r\n"),
              std::string::npos);
}

TEST_F(CupsPrintTest, AStoredPrinterThatNoLongerExistsSelectsTheFirstListed) {
    ASSERT_EQ(g_spooler->AddQueue("AaaGone"), "");
    Start();
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "AaaGone");
    DispatchEvent({platform::EventKind::Command, MainWindow(), KeyEscape});  // stores it as the default
    StopProgram();
    g_spooler->RemoveQueue("AaaGone");
    ASSERT_NE(test::ReadBytes(DataFolder() + "Addresses.inf").find("Default Printer = AaaGone\r\n"), std::string::npos);
    Start();
    EXPECT_EQ(Text(PrinterList), kQueue);
}

}  // namespace
}  // namespace qm

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    if (::access("/etc/cups", W_OK) != 0 || ::access("/usr/sbin/cupsd", X_OK) != 0) {
        std::fprintf(stderr, "the CUPS tests need cupsd and a writable /etc/cups (root)\n");
        return 1;
    }
    qm::test::PrivateSpooler spooler;
    qm::g_spooler = &spooler;
    const bool listing = argc > 1 && std::string(argv[1]).rfind("--gtest_list_tests", 0) == 0;
    if (!listing) {
        if (std::string error = spooler.Start(); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        if (std::string error = spooler.AddQueue(qm::kQueue); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    if (!qm::platform::StartWindowing()) return 1;
    const int result = RUN_ALL_TESTS();
    qm::platform::StopWindowing();
    spooler.Stop();
    return result;
}
