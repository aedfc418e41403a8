// Whole runs that write the lodgement message or the IAS package, and the
// modes that read them back: /V, /A and /R.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "library/b64.h"
#include "library/inpkey.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "reports/seal.h"
#include "tests/support/example_runs.h"

namespace {

const Edit kProduceMessages{"PRODUCE-MESSAGES               = NO",
                            "PRODUCE-MESSAGES               = YES"};
const Edit kIasFormat{"PRODUCE-MESSAGES               = NO",
                      "PRODUCE-MESSAGES               = YES\n   MESSAGE-FORMAT = IAS"};

const char kValidationOk[] = "  Validation OK...\n";
const char kXmlNotValidated[] = "  XML file has not been validated.\n";
const char kIasNotValidated[] =
    "  IAS file has not been validated, please request an uncorrupted IAS file from EA...\n";
const char kNoInputFile[] =
    "  IAS file does not contain an input file for Tarvex. Please request a valid IAS file from "
    "EA\n";

std::string MessageKey() {
    NCMKEYS keys;
    keys.Init();
    return keys.keys().at(kMessageKeyIndex);
}

std::set<std::string> Listing(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    return names;
}

// The one lodgement message in `dir`, by name; empty when there is none.
std::string MessageIn(const TempDir& dir) {
    std::string found;
    for (const std::string& name : Listing(dir))
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0) found = name;
    return found;
}

// Runs the example with its input edited; the run must end well.
void RunEdited(const TempDir& dir, const std::string& name, const std::vector<Edit>& edits) {
    CopyExample(dir, name);
    WriteFileBytes(dir.file(name + ".inp"), Edited(ExampleInput(name), edits));
    const ProcessResult r = RunInput(dir, name);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
}

// The text between `open` and `close` that follows the first `after`.
std::string Between(const std::string& text, const std::string& after, const std::string& open,
                    const std::string& close) {
    const std::size_t a = text.find(after);
    if (a == std::string::npos) return "";
    const std::size_t o = text.find(open, a);
    if (o == std::string::npos) return "";
    const std::size_t c = text.find(close, o + open.size());
    if (c == std::string::npos) return "";
    return text.substr(o + open.size(), c - o - open.size());
}

std::string Decoded(const std::string& base64) {
    B64 b64;
    b64.text = base64;
    b64.b64decode();
    return std::string(b64.decoded.begin(), b64.decoded.end());
}

// The recommendations report a message carries, decoded; empty when it
// carries none.
std::string CarriedRecommendationsReport(const std::string& message) {
    return Decoded(Between(message, "<!-- The REC PDF encoded in base64. -->",
                           "<CEPC:Formatted-Report>", "</CEPC:Formatted-Report>"));
}

// A message's text with `from` changed to `to`, sealed again with the key:
// a well-sealed message of a form the writer never makes.
std::string Resealed(const std::string& bytes, SealKind kind, const std::string& from,
                     const std::string& to) {
    std::string text = TextOfLines(bytes);
    text = text.substr(0, text.find(SealLineStart(kind)));
    if (!from.empty()) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" to change";
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return SealedBytes(MessageKey(), text, kind);
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" to change";
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
}

std::string Gzipped(const TempDir& dir, const std::string& bytes) {
    const std::string path = dir.file("gz.tmp");
    gzFile f = gzopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr);
    if (!bytes.empty()) gzwrite(f, bytes.data(), static_cast<unsigned>(bytes.size()));
    EXPECT_EQ(gzclose(f), Z_OK);
    const std::string out = ReadFileBytes(path);
    std::remove(path.c_str());
    return out;
}

// A gzip file that inflates to more than any message: 65 MiB of zeros.
std::string GzipBomb(const TempDir& dir) {
    const std::string path = dir.file("bomb.tmp");
    gzFile f = gzopen(path.c_str(), "wb9");
    const std::string zeros(1 << 20, '\0');
    for (int i = 0; i < 65; ++i) gzwrite(f, zeros.data(), static_cast<unsigned>(zeros.size()));
    EXPECT_EQ(gzclose(f), Z_OK);
    const std::string out = ReadFileBytes(path);
    std::remove(path.c_str());
    return out;
}

// One England run with messages, shared by the tests that only read it.
class LodgementMessage : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        RunEdited(*dir_, "england-office", {kProduceMessages});
        name_ = MessageIn(*dir_);
        bytes_ = ReadFileBytes(dir_->file(name_));
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static ProcessResult Verify(const std::string& bytes) {
        TempDir d;
        WriteFileBytes(d.file("message.xml"), bytes);
        return RunTarvex({"/V", "message.xml"}, d.path());
    }

    static TempDir* dir_;
    static std::string name_;
    static std::string bytes_;
};
TempDir* LodgementMessage::dir_ = nullptr;
std::string LodgementMessage::name_;
std::string LodgementMessage::bytes_;

TEST_F(LodgementMessage, IsNamedByItsReferenceNumberAndIsWellFormed) {
    ASSERT_FALSE(name_.empty());
    const std::string log = RunLog(*dir_);
    const std::string rrn = Between(bytes_, "<CEPC:Report-Header>", "<CEPC:RRN>", "</CEPC:RRN>");
    EXPECT_EQ(name_, rrn + ".xml");
    EXPECT_NE(log.find("  Producing xml message ..."), std::string::npos) << log;
    EXPECT_NE(log.find(" OK\nOK\n"), std::string::npos) << log;
    const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", dir_->file(name_)});
    EXPECT_EQ(lint.exitCode, 0) << lint.err;
}

TEST_F(LodgementMessage, CarriesLinesEndedByCrLfAndEndsInItsSeal) {
    const std::size_t seal = bytes_.rfind("\r\n<!-- Removing this line, EPC message secure hash: ");
    ASSERT_NE(seal, std::string::npos);
    const std::string last = bytes_.substr(seal + 2);
    EXPECT_EQ(last.size(), 50u + 32u + 4u) << last;
    EXPECT_EQ(last.substr(82), " -->");
    // Every line end before the seal is CR LF.
    for (std::size_t i = bytes_.find('\n'); i < seal; i = bytes_.find('\n', i + 1))
        ASSERT_EQ(bytes_[i - 1], '\r') << "at byte " << i;
}

TEST_F(LodgementMessage, CarriesTheCertificateByteForByteWithItsFingerprint) {
    const std::string pdf = ReadFileBytes(dir_->file("england-office[epc].pdf"));
    ASSERT_FALSE(pdf.empty());
    const std::string block = Between(bytes_, "<!-- The EPC PDF encoded in base64. -->",
                                      "<CEPC:Formatted-Report>", "</CEPC:Formatted-Report>");
    EXPECT_TRUE(Decoded(block) == pdf);
    const std::string fingerprint =
        NCMD5().hash(MessageKey(), reinterpret_cast<const unsigned char*>(pdf.data()), pdf.size());
    EXPECT_NE(bytes_.find("\r\n <!-- secure hash: " + fingerprint + " -->\r\n"), std::string::npos);
}

TEST_F(LodgementMessage, CarriesTheRecommendationsReportTheRunRecorded) {
    const std::string pdf = ReadFileBytes(dir_->file("england-office[rec].pdf"));
    ASSERT_FALSE(pdf.empty());
    EXPECT_TRUE(CarriedRecommendationsReport(bytes_) == pdf);
    const std::string fingerprint =
        NCMD5().hash(MessageKey(), reinterpret_cast<const unsigned char*>(pdf.data()), pdf.size());
    EXPECT_NE(bytes_.find("\r\n\t<!-- secure hash: " + fingerprint + " -->\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes_.find("The Recommendation Report PDF is not available"), std::string::npos);
}

TEST_F(LodgementMessage, CarriesTheInputItRan) {
    const std::string block =
        Between(bytes_, "<!-- The Tarvex Input Data encoded in base64. -->", "<Data>", "</Data>");
    EXPECT_TRUE(Decoded(block) == ReadFileBytes(dir_->file("england-office.inp")));
}

TEST_F(LodgementMessage, VerifiesAsWrittenWithLfLineEndsAndWhateverFollowsTheDigits) {
    std::string lf;
    for (char c : bytes_)
        if (c != '\r') lf += c;
    const std::string seal = "secure hash: ";
    const std::size_t digits = bytes_.rfind(seal) + seal.size();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"as written", bytes_},
        {"with LF line ends", lf},
        {"with other text after the digits", bytes_.substr(0, digits + 32) + " tampered -->"},
        {"with a line end after the seal", bytes_ + "\r\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Verify(c.bytes);
        EXPECT_NE(r.out.find("\n  Processing XML file...\n  Tarvex version OK...   \n" +
                             std::string(kValidationOk)),
                  std::string::npos)
            << c.what << "\n"
            << r.out;
        // /V always ends with status 1; the text says whether the seal holds.
        EXPECT_EQ(r.exitCode, 1) << c.what;
    }
}

TEST_F(LodgementMessage, AnyChangeBeforeTheSealFailsVerification) {
    const std::size_t seal = bytes_.rfind("<!-- Removing this line");
    const std::size_t firstEnd = bytes_.find("\r\n");
    const std::size_t rating = bytes_.find("<Asset-Rating>") + 14;
    std::string digit = bytes_;
    digit[rating] = digit[rating] == '9' ? '8' : '9';
    std::string lastByte = bytes_;
    lastByte[seal - 3] = 'X';
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a digit of the rating", digit},
        {"the first line end removed", bytes_.substr(0, firstEnd) + bytes_.substr(firstEnd + 2)},
        {"a CR turned into a blank",
         bytes_.substr(0, firstEnd) + " " + bytes_.substr(firstEnd + 1)},
        {"the last byte before the seal line", lastByte},
        {"a blank line added", bytes_.substr(0, seal) + "\r\n" + bytes_.substr(seal)},
        {"the digits cut short", bytes_.substr(0, seal + 60)},
        {"no seal line", bytes_.substr(0, seal)},
        {"the seal line of a package",
         Replaced(bytes_, "EPC message secure", "IAS message secure")},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Verify(c.bytes);
        EXPECT_NE(r.out.find(kXmlNotValidated), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_EQ(r.out.find(kValidationOk), std::string::npos) << c.what;
        EXPECT_EQ(r.exitCode, 1) << c.what;
    }
}

TEST_F(LodgementMessage, OfAnotherVersionIsReportedAndStillVerified) {
    const std::string v = Resealed(bytes_, SealKind::EpcMessage, "v4.1.a.0 End", "v3.9.b.2 End");
    ProcessResult r = Verify(v);
    EXPECT_NE(r.out.find("  XML file was created using a different version of Tarvex: v3.9.b.2\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(kValidationOk), std::string::npos) << r.out;

    const std::string none = Resealed(bytes_, SealKind::EpcMessage,
                                      "<!-- Tarvex version: v4.1.a.0 End Version -->\n", "");
    // A version comment after the seal line is not the message's.
    for (const std::string& bytes :
         {none, none + "\r\n<!-- Tarvex version: v4.1.a.0 End Version -->"}) {
        r = Verify(bytes);
        EXPECT_NE(r.out.find("different version of Tarvex: previous_to_3.3.a\n"), std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find(kValidationOk), std::string::npos) << r.out;
    }
}

// Watches a FIFO for as long as it lives: whenever a reader has it open, it
// is opened for writing and closed at once, so that the reader sees its end
// instead of waiting for ever, and that is noted.
class FifoWatch {
  public:
    explicit FifoWatch(const std::string& path)
        : watcher_([this, path] {
              while (!done_) {
                  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      opened_ = true;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          }) {}
    ~FifoWatch() {
        done_ = true;
        watcher_.join();
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool OpenedForReading() const { return opened_; }

  private:
    std::atomic<bool> done_{false};
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};

// Only a regular file is opened: anything else is refused before it is
// opened, so a FIFO named as the message cannot hang the run.
TEST(LodgementMessageRuns, AMissingMessageOrPackageOrOneNotARegularFileCannotBeOpened) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.ias"));
    ASSERT_EQ(::mkfifo(dir.file("fifo.ias").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", dir.file("device.ias"));
    const std::set<std::string> files{"folder.ias", "fifo.ias", "device.ias"};
    FifoWatch fifo(dir.file("fifo.ias"));
    for (const char* mode : {"/V", "/A", "/R"}) {
        for (const std::string name : {"none.xml", "folder.ias", "fifo.ias", "device.ias"}) {
            const ProcessResult r = RunTarvex({mode, name}, dir.path());
            EXPECT_EQ(r.exitCode, 1) << mode << " " << name;
            EXPECT_EQ(r.err, "Could not open file " + name + "\n") << mode;
            EXPECT_EQ(Listing(dir), files) << mode << " " << name;
        }
    }
    EXPECT_FALSE(fifo.OpenedForReading());
}

TEST(LodgementMessageRuns, NorthernIrelandSaysSoAndUnsafeValuesStayWellFormed) {
    TempDir dir;
    // The example writes the IAS package; the lodgement message instead.
    RunEdited(dir, "ni-shop",
              {{"   C-NAME                         = \"", "   C-NAME = \"Smith & Sons <Caf\xE9> "},
               {"MESSAGE-FORMAT                 = IAS", "MESSAGE-FORMAT                 = XML"}});
    const std::string name = MessageIn(dir);
    ASSERT_FALSE(name.empty());
    const std::string text = ReadFileBytes(dir.file(name));
    EXPECT_NE(text.find("<!-- This XML message is for an EPC in Northern Ireland. -->\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("England and Wales. -->"), std::string::npos);
    EXPECT_NE(text.find("<CEPC:Name>\"Smith &amp; Sons &lt;Caf&#233;&gt; "), std::string::npos);
    const std::string report = ReadFileBytes(dir.file("ni-shop[rec].pdf"));
    ASSERT_FALSE(report.empty());
    EXPECT_TRUE(CarriedRecommendationsReport(text) == report);
    const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", dir.file(name)});
    EXPECT_EQ(lint.exitCode, 0) << lint.err;
}

TEST(LodgementMessageRuns, OneEmptyInsuranceKeywordRemovesBothInsuranceSections) {
    TempDir dir;
    RunEdited(dir, "england-office", {kProduceMessages, {"\"Hollowell Indemnity plc\"", "\"\""}});
    const std::string text = ReadFileBytes(dir.file(MessageIn(dir)));
    EXPECT_EQ(text.find("Insurance-Details"), std::string::npos);
}

TEST(LodgementMessageRuns, WithoutProduceMessagesOrInScotlandNoMessageIsWritten) {
    const std::string cName = "   C-NAME                         = ";
    const struct {
        const char* name;
        std::vector<Edit> edits;
    } cases[] = {
        {"england-office", {}},
        {"scotland-school", {{cName, "   PRODUCE-MESSAGES = YES\n" + cName}}},
        {"scotland-school",
         {{cName, "   PRODUCE-MESSAGES = YES\n   MESSAGE-FORMAT = IAS\n" + cName}}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        RunEdited(dir, c.name, c.edits);
        for (const std::string& file : Listing(dir)) {
            EXPECT_EQ(file.find(".xml"), std::string::npos) << c.name << ": " << file;
            EXPECT_EQ(file.find(".ias"), std::string::npos) << c.name << ": " << file;
            EXPECT_EQ(file.find(".zas"), std::string::npos) << c.name << ": " << file;
        }
    }
}

// A message or package that cannot be written is named at the run's end,
// after the documents, and the run ends with status 1.
TEST(LodgementMessageRuns, AMessageThatCannotBeWrittenStopsTheRun) {
    const struct {
        Edit edit;
        const char* blocked;  // empty: the lodgement message
    } cases[] = {{kProduceMessages, ""},
                 {kIasFormat, "england-office.ias"},
                 {kIasFormat, "england-office.zas"}};
    for (const auto& c : cases) {
        TempDir dir;
        CopyExample(dir, "england-office");
        const std::string input = dir.file("england-office.inp");
        WriteFileBytes(input, Edited(ExampleInput("england-office"), {c.edit}));
        // A key for the edited input: the error stream then holds the failure alone.
        NCMKEYS keys;
        keys.Init();
        WriteFileBytes(dir.file("england-office_inpkey.txt"),
                       InputKeyDigest(keys, 1, input) + "\n");
        ASSERT_EQ(RunInput(dir, "england-office").exitCode, 0);
        const std::string name = *c.blocked ? std::string(c.blocked) : MessageIn(dir);
        // A folder in the file's place: the file cannot replace it.
        std::filesystem::remove(dir.file(name));
        std::filesystem::create_directory(dir.file(name));
        const ProcessResult r = RunInput(dir, "england-office");
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_EQ(r.err, "Could not open file " + name + "\nReason: Is a directory\n");
        EXPECT_NE(ReadFileBytes(dir.file("Tarvex.log"))
                      .find(" failed\nCould not open file " + name + "\nReason: Is a directory\n"),
                  std::string::npos);
        EXPECT_NE(r.out.find(" failed\n\nERROR: " + name +
                             " could not be written; the run is incomplete\n"),
                  std::string::npos)
            << r.out;
        EXPECT_EQ(r.out.find("\nOK\n"), std::string::npos) << r.out;
        EXPECT_TRUE(std::filesystem::is_directory(dir.file(name)));
        for (const std::string ending : {"[epc].pdf", "[rec].pdf", "[srec].pdf"})
            EXPECT_TRUE(FileExists(dir.file("england-office" + ending))) << name << ending;
        for (const std::string& file : Listing(dir))
            EXPECT_EQ(file.find(".tmp"), std::string::npos) << name;
    }
}

// An IAS run, shared by the tests that read its package.
class IasPackage : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        RunEdited(*dir_, "england-office", {kIasFormat});
        ias_ = ReadFileBytes(dir_->file("england-office.ias"));
        zas_ = ReadFileBytes(dir_->file("england-office.zas"));
        input_ = ReadFileBytes(dir_->file("england-office.inp"));
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    static TempDir* dir_;
    static std::string ias_, zas_, input_;
};
TempDir* IasPackage::dir_ = nullptr;
std::string IasPackage::ias_, IasPackage::zas_, IasPackage::input_;

TEST_F(IasPackage, IsWrittenPlainAndCompressedAndNoMessageBesideIt) {
    ASSERT_FALSE(ias_.empty());
    ASSERT_FALSE(zas_.empty());
    EXPECT_EQ(MessageIn(*dir_), "");
    const ProcessResult z = RunProcess({"/bin/zcat", dir_->file("england-office.zas")});
    EXPECT_EQ(z.exitCode, 0);
    EXPECT_TRUE(z.out == ias_);
    EXPECT_EQ(ias_.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- Tarvex version: ", 0),
              0u);
    EXPECT_NE(ias_.find("\r\n<ToIncludeInLandmarkXmlMessage>\r\n\t<CEPC:Unstructured-Data>\r\n"),
              std::string::npos);
    EXPECT_NE(ias_.find("\t</CEPC:Unstructured-Data>\r\n</ToIncludeInLandmarkXmlMessage>\r\n"
                        "<!-- Removing this line, IAS message secure hash: "),
              std::string::npos);
    EXPECT_NE(RunLog(*dir_).find("  Producing ias message ...+ OK\n"), std::string::npos);
}

TEST_F(IasPackage, ModeARunsTheCarriedInputAndCarriesThePackageData) {
    const std::string unstructured =
        Between(TextOfLines(ias_), "", "<ToIncludeInLandmarkXmlMessage>\n",
                "</ToIncludeInLandmarkXmlMessage>");
    ASSERT_FALSE(unstructured.empty());
    TempDir scratch;
    const struct {
        std::string package, bytes;
        std::string plain;  // the package uncompressed
    } cases[] = {
        {"job.ias", ias_, ias_},
        {"job.zas", zas_, ias_},
        // One line end after the seal line, as a copy made on Windows may add.
        {"job.ias", ias_ + "\r\n", ias_ + "\r\n"},
        {"job.zas", Gzipped(scratch, ias_ + "\n"), ias_ + "\n"},
    };
    for (const auto& c : cases) {
        const std::string& package = c.package;
        TempDir dir;
        WriteFileBytes(dir.file(package), c.bytes);
        const ProcessResult r = RunTarvex({"/A", package}, dir.path());
        ASSERT_EQ(r.exitCode, 0) << package << r.out << r.err;
        EXPECT_NE(r.out.find("\n  Processing IAS file...\n"), std::string::npos);
        EXPECT_EQ(r.out.find("  Uncompressing file...\n") != std::string::npos,
                  package == "job.zas");
        EXPECT_TRUE(ReadFileBytes(dir.file("job.inp")) == input_) << package;
        // A compressed package is left uncompressed beside it.
        EXPECT_TRUE(ReadFileBytes(dir.file("job.ias")) == c.plain) << package;
        const std::string name = MessageIn(dir);
        ASSERT_FALSE(name.empty()) << package;
        const std::string message = TextOfLines(ReadFileBytes(dir.file(name)));
        EXPECT_NE(message.find("</CEPC:Formatted-Report>\n <!-- secure hash: "), std::string::npos);
        const std::string report = ReadFileBytes(dir.file("job[rec].pdf"));
        ASSERT_FALSE(report.empty()) << package;
        EXPECT_TRUE(CarriedRecommendationsReport(message) == report) << package;
        EXPECT_NE(message.find(unstructured + "\t<CEPC:Insurance-Details>"), std::string::npos)
            << package;
        const ProcessResult v = RunTarvex({"/V", name}, dir.path());
        EXPECT_NE(v.out.find(kValidationOk), std::string::npos) << v.out;
        const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", dir.file(name)});
        EXPECT_EQ(lint.exitCode, 0) << package << lint.err;
    }
}

TEST_F(IasPackage, ModeRTakesTheInputBesideThePackageAndLeavesItAlone) {
    TempDir dir;
    WriteFileBytes(dir.file("job.ias"), ias_);
    WriteFileBytes(dir.file("job.inp"), input_);
    const auto before = std::filesystem::last_write_time(dir.file("job.inp"));
    const ProcessResult r = RunTarvex({"/R", "job.ias"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileBytes(dir.file("job.inp")) == input_);
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("job.inp")), before);
    EXPECT_FALSE(MessageIn(dir).empty());

    // Without an input beside it there is nothing to run.
    TempDir bare;
    WriteFileBytes(bare.file("job.ias"), ias_);
    const ProcessResult none = RunTarvex({"/R", "job.ias"}, bare.path());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_FALSE(FileExists(bare.file("job.inp")));
}

// A run taken up from a package has no key file beside it: what its input
// was is what the package's sealed note says, and the console, the error
// stream and the message all say the same. An input beside the package that
// is not the one it carries (/R) is not validated.
TEST(IasValidation, TheRunSaysWhatThePackageSaysOfItsInput) {
    NCMKEYS keys;
    keys.Init();
    constexpr int kZolmKey = 1;  // CENGINE-VAL ZOLM
    for (const bool keyed : {true, false}) {
        SCOPED_TRACE(keyed ? "made from a validated input" : "made from an input not validated");
        TempDir made;
        CopyExample(made, "england-office");
        const std::string path = made.file("england-office.inp");
        WriteFileBytes(path, Edited(ExampleInput("england-office"), {kIasFormat}));
        if (keyed) {
            WriteFileBytes(made.file("england-office_inpkey.txt"),
                           InputKeyDigest(keys, kZolmKey, path) + "\n");
        }
        ASSERT_EQ(RunInput(made, "england-office").exitCode, 0);
        const std::string ias = ReadFileBytes(made.file("england-office.ias"));

        TempDir dir;
        WriteFileBytes(dir.file("job.ias"), ias);
        const ProcessResult a = RunTarvex({"/A", "job.ias"}, dir.path());
        ASSERT_EQ(a.exitCode, 0) << a.out << a.err;
        EXPECT_NE(a.out.find(std::string("Input file validated? ") + (keyed ? "YES" : "NO")),
                  std::string::npos)
            << a.out;
        if (keyed) {
            EXPECT_EQ(a.err.find("validated?"), std::string::npos) << a.err;
        } else {
            EXPECT_NE(a.err.find("job.inp: warning: Input file validated? NO: the package says "
                                 "that the input it carries was not validated when the package "
                                 "was made\n"),
                      std::string::npos)
                << a.err;
        }
        const std::string message = ReadFileBytes(dir.file(MessageIn(dir)));
        EXPECT_NE(message.find(keyed ? " was correctly validated. -->" : " was NOT validated. -->"),
                  std::string::npos);

        // The input beside the package, changed after it was made.
        TempDir beside;
        WriteFileBytes(beside.file("job.ias"), ias);
        WriteFileBytes(beside.file("job.inp"), ReadFileBytes(path) + "$ changed\n");
        const ProcessResult r = RunTarvex({"/R", "job.ias"}, beside.path());
        ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_NE(r.out.find("Input file validated? NO"), std::string::npos);
        EXPECT_NE(r.err.find("job.inp: warning: Input file validated? NO: the input is not the "
                             "one the package carries, and there is no key file"),
                  std::string::npos)
            << r.err;
    }
}

// Data that is not the XML the writer makes is refused however well it is
// sealed: copied into the lodgement message, it would make the message fail
// to parse while /V says it holds. The log says where and why.
TEST_F(IasPackage, DataThatIsNotTheXmlWeWriteIsNotValidated) {
    const std::string notWellFormed =
        "  The data to include in the lodgement message is not well-formed (line ";
    const std::string location = "<File-Location>england-office.inp<";
    const struct {
        const char* what;
        std::string from, to;
        std::string reason;
    } cases[] = {
        {"a raw &", location, "<File-Location>Smith & Sons.inp<", "a raw & (not a reference)"},
        {"an unknown entity", location, "<File-Location>&nbsp;.inp<",
         "a raw & or an unknown entity"},
        {"a reference to a control character", location, "<File-Location>&#27;.inp<",
         "a reference to a character XML cannot carry (&#27;)"},
        {"a NUL", location, std::string("<File-Location>") + '\0' + ".inp<",
         "a control character (U+0000)"},
        {"an escape in a comment", "Interface Input Data", "Interface \x1B Input Data",
         "a control character (U+001B)"},
        {"bytes that are not UTF-8", location, "<File-Location>Caf\xE9.inp<",
         "bytes that are not UTF-8"},
        {"]]> in text", location, "<File-Location>a]]>b.inp<", "]]> in text"},
        {"a stray end tag", "  \t</Data-Blob>\n", "  \t</Data-Blob></Data-Blob>\n",
         "an end tag out of place in <CEPC:Unstructured-Data>: </Data-Blob>"},
        {"an end tag left out", "  \t</Data-Blob>\n", "",
         "an end tag out of place in <Data-Blob>: </CEPC:Unstructured-Data>"},
        {"another element", "<Data>", "<Dato>", "an element out of place in <Data-Blob>: <Dato>"},
        {"another end tag", "</Data>", "</Dato>", "an end tag out of place in <Data>: </Dato>"},
        {"an attribute", "<Data-Blob>", "<Data-Blob id=\"1\">",
         "an element out of place in <CEPC:Unstructured-Data>: <Data-Blob id=\"1\">"},
        {"loose text", "  \t<Data-Blob>", "loose text <Data-Blob>",
         "text out of place in <CEPC:Unstructured-Data>"},
        {"-- in a comment", "Interface Input Data", "Interface -- Input Data",
         "-- inside a comment"},
        {"a CDATA section", location, "<File-Location><![CDATA[a.inp]]><", "a CDATA section"},
        {"text other than base64", "<Data>\n", "<Data>\n!!** not base64 **!!\n",
         "text other than base64 in <Data>"},
        {"a second element after the data", "\t</CEPC:Unstructured-Data>\n",
         "\t</CEPC:Unstructured-Data>\n\t<CEPC:Unstructured-Data>\n\t</CEPC:Unstructured-Data>\n",
         "something follows </CEPC:Unstructured-Data>"},
        {"something after the lodgement data", "</ToIncludeInLandmarkXmlMessage>\n",
         "</ToIncludeInLandmarkXmlMessage>\n<Other/>\n",
         "something follows </ToIncludeInLandmarkXmlMessage>"},
    };
    for (const auto& c : cases) {
        const std::string bytes = Resealed(ias_, SealKind::IasMessage, c.from, c.to);
        for (const char* mode : {"/A", "/R"}) {
            TempDir dir;
            WriteFileBytes(dir.file("job.ias"), bytes);
            if (std::string(mode) == "/R") WriteFileBytes(dir.file("job.inp"), input_);
            const auto before = Listing(dir);
            const ProcessResult r = RunTarvex({mode, "job.ias"}, dir.path());
            EXPECT_EQ(r.exitCode, 1) << c.what << " " << mode;
            const std::size_t at = r.out.find(notWellFormed);
            ASSERT_NE(at, std::string::npos) << c.what << " " << mode << "\n" << r.out;
            const std::string refusal = r.out.substr(r.out.find(": ", at) + 2);
            EXPECT_EQ(refusal.rfind(c.reason + ").\n" + kIasNotValidated, 0), 0u)
                << c.what << " " << mode << "\n"
                << refusal;
            EXPECT_EQ(r.out.find(kValidationOk), std::string::npos) << c.what << " " << mode;
            EXPECT_EQ(Listing(dir), before) << c.what << " " << mode;
        }
    }
    // The line is the package's own.
    const std::string bytes = Resealed(ias_, SealKind::IasMessage, location, "<File-Location>&<");
    TempDir dir;
    WriteFileBytes(dir.file("job.ias"), bytes);
    const ProcessResult r = RunTarvex({"/R", "job.ias"}, dir.path());
    EXPECT_NE(r.out.find(notWellFormed + "10: a raw &"), std::string::npos) << r.out;
}

// Every form the XML we write may take is read: references, characters past
// ASCII, comments holding markup, a Data-Blob without a File-Type. The message
// that carries it parses.
TEST_F(IasPackage, AnyFormOfTheXmlWeWriteIsCarriedIntoAMessageThatParses) {
    const std::string bytes = Resealed(
        Resealed(Resealed(ias_, SealKind::IasMessage, "<File-Location>england-office.inp<",
                          "<File-Location>Caf&#233; \xC3\xA9 &amp;&lt;&gt;&quot;&apos; &#x20AC; > "
                          "&#x10FFFF; &#0000065; a.inp<"),
                 SealKind::IasMessage, "Interface Input Data is not available.",
                 "Interface Input Data & <Data> is not available. <!-"),
        SealKind::IasMessage, "  \t<!-- The Calculation Engine Input Data is not available. -->\n",
        "<!---->\n\t\t<Data-Blob><File-Location>engine.zip</File-Location><Data></Data>"
        "</Data-Blob>\n");
    TempDir dir;
    WriteFileBytes(dir.file("job.ias"), bytes);
    const ProcessResult r = RunTarvex({"/A", "job.ias"}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileBytes(dir.file("job.inp")) == input_);
    const std::string name = MessageIn(dir);
    ASSERT_FALSE(name.empty());
    EXPECT_NE(ReadFileBytes(dir.file(name)).find("Caf&#233; \xC3\xA9 &amp;"), std::string::npos);
    const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", dir.file(name)});
    EXPECT_EQ(lint.exitCode, 0) << lint.err;
}

// A package is read alike plain and compressed: a CR is dropped only before
// a LF, as line reading does, so the ".ias" that a ".zas" leaves is read as
// the ".zas" was.
TEST_F(IasPackage, PlainAndCompressedReadLineEndsAlike) {
    TempDir scratch;
    // Sealed with a lone CR in it: it is part of the sealed text.
    const std::string sealedCr = Resealed(ias_, SealKind::IasMessage, "\t</CEPC:Unstructured-Data>",
                                          "\r\t</CEPC:Unstructured-Data>");
    // A CR added before a line end once sealed: the sealed text changed.
    const std::string addedCr = Replaced(ias_, "</Data>\r\n", "</Data>\r\r\n");
    const struct {
        const char* what;
        std::string package, bytes;
        bool holds;
    } cases[] = {
        {"sealed with a lone CR", "job.ias", sealedCr, true},
        {"sealed with a lone CR", "job.zas", Gzipped(scratch, sealedCr), true},
        {"a CR added", "job.ias", addedCr, false},
        {"a CR added", "job.zas", Gzipped(scratch, addedCr), false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteFileBytes(dir.file(c.package), c.bytes);
        const auto before = Listing(dir);
        const ProcessResult a = RunTarvex({"/A", c.package}, dir.path());
        if (!c.holds) {
            EXPECT_EQ(a.exitCode, 1) << c.what << " " << c.package;
            EXPECT_NE(a.out.find(kIasNotValidated), std::string::npos)
                << c.what << " " << c.package;
            EXPECT_EQ(Listing(dir), before) << c.what << " " << c.package;
            continue;
        }
        ASSERT_EQ(a.exitCode, 0) << c.what << " " << c.package << a.out << a.err;
        const std::string name = MessageIn(dir);
        ASSERT_FALSE(name.empty()) << c.package;
        const ProcessResult lint = RunProcess({"/usr/bin/xmllint", "--noout", dir.file(name)});
        EXPECT_EQ(lint.exitCode, 0) << c.package << lint.err;
        // The ".ias" that is there now, left by a ".zas", runs again.
        const ProcessResult r = RunTarvex({"/R", "job.ias"}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << c.what << " " << c.package << r.out << r.err;
    }
}

// Every damaged package and message ends with its message and status 1, and
// nothing is written beside it.
TEST_F(IasPackage, DamagedPackagesAndMessagesStopWithoutWritingAnything) {
    const std::string differentVersion =
        "  IAS file was created using a different version of Tarvex: ";
    const char kNoLodgementData[] = "  IAS file does not hold the data to include in the";
    const std::string sealedAt = "<!-- Removing this line, IAS message secure hash: ";
    const std::string plain = TextOfLines(ias_);
    TempDir scratch;
    // What a package holds after its seal line is not sealed, and is never
    // read: an input, a version or lodgement data there does not count.
    B64 b64;
    const std::string inputAfterSeal =
        Resealed(ias_, SealKind::IasMessage, "The Tarvex Input Data encoded", "x") +
        "\r\n  \t<!-- The Tarvex Input Data encoded in base64. -->\r\n  \t<Data-Blob>\r\n" +
        "<Data>\r\n" + b64.b64encodeS(input_) + "\r\n</Data>\r\n  \t</Data-Blob>\r\n";
    const std::string seal = ias_.substr(ias_.find(sealedAt));
    struct Case {
        const char* what;
        std::string bytes;
        std::string forA;  // expected text for /A ("" when the form does not apply)
        std::string forR;  // expected text for /R
    };
    const Case cases[] = {
        {"no seal line", ias_.substr(0, ias_.find(sealedAt)), kIasNotValidated, kIasNotValidated},
        {"a changed byte", Replaced(ias_, "<Data>", "<Dato>"), kIasNotValidated, kIasNotValidated},
        {"another version", Resealed(ias_, SealKind::IasMessage, "v4.1.a.0 End", "v4.0.a.0 End"),
         differentVersion + "v4.0.a.0\n  Please ensure you run the IAS file with the right "
                            "version of Tarvex...\n",
         differentVersion + "v4.0.a.0\n"},
        {"no version comment",
         Resealed(ias_, SealKind::IasMessage, "<!-- Tarvex version: v4.1.a.0 End Version -->\n",
                  ""),
         differentVersion + "previous_to_3.3.a\n", differentVersion + "previous_to_3.3.a\n"},
        {"no opening tag",
         Resealed(ias_, SealKind::IasMessage, "<ToIncludeInLandmarkXmlMessage>", "<Other>"),
         kNoLodgementData, kNoLodgementData},
        {"no closing tag",
         Resealed(ias_, SealKind::IasMessage, "</ToIncludeInLandmarkXmlMessage>", "</Other>"),
         kNoLodgementData, kNoLodgementData},
        {"no input data",
         Resealed(ias_, SealKind::IasMessage, "The Tarvex Input Data encoded", "x"), kNoInputFile,
         ""},
        {"a base64 block of a byte and a bit",
         Resealed(ias_, SealKind::IasMessage,
                  Between(plain, "Tarvex Input Data encoded", "<Data>\n", "</Data>"), "QUJDR\n"),
         kNoInputFile, ""},
        {"an empty base64 block",
         Resealed(ias_, SealKind::IasMessage,
                  Between(plain, "Tarvex Input Data encoded", "<Data>\n", "</Data>"), ""),
         kNoInputFile, ""},
        {"an input after the seal", inputAfterSeal, kIasNotValidated, kIasNotValidated},
        {"gzip of a package with an input after the seal", Gzipped(scratch, inputAfterSeal),
         kIasNotValidated, kIasNotValidated},
        {"a version after the seal",
         Resealed(ias_, SealKind::IasMessage, "<!-- Tarvex version: v4.1.a.0 End Version -->\n",
                  "") +
             "\r\n<!-- Tarvex version: v4.1.a.0 End Version -->",
         kIasNotValidated, kIasNotValidated},
        {"lodgement data after the seal",
         Resealed(ias_, SealKind::IasMessage, "<ToIncludeInLandmarkXmlMessage>", "<Other>") +
             "\r\n<ToIncludeInLandmarkXmlMessage>\r\n\t<CEPC:Unstructured-Data>\r\n"
             "\t</CEPC:Unstructured-Data>\r\n</ToIncludeInLandmarkXmlMessage>\r\n",
         kIasNotValidated, kIasNotValidated},
        {"the seal line twice", ias_ + "\r\n" + seal, kIasNotValidated, kIasNotValidated},
        {"a blank after the seal", ias_ + " ", kIasNotValidated, kIasNotValidated},
        {"two line ends after the seal", ias_ + "\r\n\r\n", kIasNotValidated, kIasNotValidated},
        {"a lone CR after the seal", ias_ + "\r", kIasNotValidated, kIasNotValidated},
        {"the seal line ending the last line",
         Resealed(ias_, SealKind::IasMessage, "</ToIncludeInLandmarkXmlMessage>\n",
                  "</ToIncludeInLandmarkXmlMessage>"),
         kIasNotValidated, kIasNotValidated},
        {"a compressed file that is not gzip", "PK\x03\x04 not a package at all",
         "is neither an IAS file nor a compressed one", "is neither an IAS file"},
        {"an empty file", "", "is neither an IAS file", "is neither an IAS file"},
        {"a truncated gzip file", zas_.substr(0, zas_.size() / 2),
         "is damaged or incomplete and cannot be uncompressed", "is damaged or incomplete"},
        {"gzip of a damaged package", Gzipped(scratch, ias_.substr(0, ias_.find(sealedAt))),
         kIasNotValidated, kIasNotValidated},
        {"a gzip bomb", GzipBomb(scratch), "uncompresses to more than any IAS file holds",
         "uncompresses to more than"},
    };
    for (const Case& c : cases) {
        for (const char* mode : {"/A", "/R"}) {
            const std::string& expected = std::string(mode) == "/A" ? c.forA : c.forR;
            if (expected.empty()) continue;
            for (const char* name : {"job.ias", "job.zas"}) {
                TempDir dir;
                WriteFileBytes(dir.file(name), c.bytes);
                const auto before = Listing(dir);
                const ProcessResult r = RunTarvex({mode, name}, dir.path());
                EXPECT_EQ(r.exitCode, 1) << c.what << " " << mode << " " << name;
                EXPECT_NE(r.out.find(expected), std::string::npos)
                    << c.what << " " << mode << " " << name << "\n"
                    << r.out << r.err;
                EXPECT_EQ(Listing(dir), before) << c.what << " " << mode << " " << name;
            }
        }
        // The same bytes as a lodgement message never verify.
        TempDir dir;
        WriteFileBytes(dir.file("message.xml"), c.bytes);
        const ProcessResult v = RunTarvex({"/V", "message.xml"}, dir.path());
        EXPECT_EQ(v.exitCode, 1) << c.what;
        EXPECT_NE(v.out.find(kXmlNotValidated), std::string::npos) << c.what << "\n" << v.out;
        EXPECT_EQ(Listing(dir), std::set<std::string>{"message.xml"}) << c.what;
    }
}

}  // namespace
