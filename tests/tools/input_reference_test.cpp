// The input reference: made from the library definition, committed in docs/,
// and never out of date with the data or with what the writers print.
#include "tools/input_reference.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "boc/boc.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"
#include "tools/printed_keywords.h"

namespace {

const std::string kSource = TARVEX_SOURCE_DIR;
const std::string kDefinition = kSource + "/data/csv/Tarvex.csv";

std::vector<Objeto> ClassesOf(const std::string& definitionFile) {
    BOC boc;
    boc.Init_NOT(definitionFile);
    return boc.classes;
}

std::vector<Objeto> ShippedClasses() {
    return ClassesOf(kDefinition);
}

TEST(InputReference, CommittedFilesAreWhatTheLibraryDefinitionMakes) {
    const InputReference made = MakeInputReference(ShippedClasses(), "data/csv/Tarvex.csv");
    const std::string remake =
        "; from the repository root, after a build: build/tools/tarvex-input-reference "
        "data/csv/Tarvex.csv docs";
    EXPECT_TRUE(ReadFileBytes(kSource + "/docs/input-reference.md") == made.markdown)
        << "docs/input-reference.md is not what data/csv/Tarvex.csv makes" << remake;
    EXPECT_TRUE(ReadFileBytes(kSource + "/docs/input-reference.html") == made.html)
        << "docs/input-reference.html is not what data/csv/Tarvex.csv makes" << remake;
}

// Every class, keyword and code word of the shipped definition, the code
// words in full and with their numbers.
TEST(InputReference, NamesEveryKeywordAndEveryCodeWordInFull) {
    const std::vector<Objeto> classes = ShippedClasses();
    ASSERT_FALSE(classes.empty());
    const InputReference made = MakeInputReference(classes, "data/csv/Tarvex.csv");
    for (const Objeto& c : classes) {
        EXPECT_NE(made.markdown.find("\n## " + c.name + "\n"), std::string::npos) << c.name;
        EXPECT_NE(made.html.find("<h2 id=\"" + HeadingAnchor(c.name) + "\">"), std::string::npos);
        for (const Propiedad& k : c.properties) {
            EXPECT_NE(made.markdown.find("| `" + k.name + "` |"), std::string::npos)
                << c.name << " " << k.name;
            if (k.keyType != kTypeCod) continue;
            const std::string heading = "\n### " + c.name + " " + k.name + " code words\n";
            const std::size_t at = made.markdown.find(heading);
            ASSERT_NE(at, std::string::npos) << heading;
            std::string list;
            for (const Codigo& w : k.codes)
                list += "- " + std::to_string(w.number) + " `" + w.name + "`\n";
            EXPECT_EQ(made.markdown.compare(at + heading.size() + 1, list.size(), list), 0)
                << c.name << " " << k.name;
        }
    }
}

// A definition of each kind of keyword: what the reference says of it, in
// both forms.
TEST(InputReference, SaysEachKeywordsTypeDefaultRangesAndCodeWords) {
    TempDir dir;
    WriteFileBytes(dir.file("lib.csv"),
                   "$,a comment\n"
                   "CLASS,1,1,HEAD,1,1,the head,\n"
                   "KEY,2,1,RATE,1,REQ,0,10,1,9,-6666,8,a rate,\n"
                   "KEY,2,2,DATES,5,NC,0,-6666,-6666,-6666,-6666,-6666,,\n"
                   "KEY,2,3,NOTE,2,none,,-6666,-6666,-6666,-6666,-6666,,\n"
                   "KEY,2,4,MODE,4,LOW,,-6666,-6666,-6666,-6666,-6666,,\n"
                   "CODE,3,1,LOW,\n"
                   "CODE,3,2,A|B <c>,\n"
                   "CLASS,1,2,ZONE,0,-6666,a zone,\n"
                   "KEY,2,1,HEAD,3,NC,HEAD,,-6666,-6666,-6666,-6666,,\n");
    const InputReference made = MakeInputReference(ClassesOf(dir.file("lib.csv")), "lib.csv");
    const char* const markdown[] = {
        "| `RATE` | number | **required** | 0 to 10 | 1 to 9 | at most 8 |   | a rate |\n",
        "| `DATES` | list of numbers | no default | at least 0 |   |   |   |   |\n",
        "| `NOTE` | text | default `none` |   |   |   |   |   |\n",
        "| `MODE` | code word ([2](#head-mode-code-words)) | default `LOW` |",
        "### HEAD MODE code words\n\n- 1 `LOW`\n- 2 `A|B <c>`\n",
        "| `HEAD` | reference to `HEAD` objects | no default |",
        "| [HEAD](#head) | exactly 1 | the head |\n",
        "| [ZONE](#zone) | any number | a zone |\n",
    };
    for (const char* part : markdown)
        EXPECT_NE(made.markdown.find(part), std::string::npos) << part;
    const char* const html[] = {
        "<h3 id=\"head-mode-code-words\">HEAD MODE code words</h3>\n<ul>\n<li>1 <code>LOW</code>"
        "</li>\n<li>2 <code>A|B &lt;c&gt;</code></li>\n</ul>\n",
        "<td><code>MODE</code></td><td>code word (<a href=\"#head-mode-code-words\">2</a>)</td>",
        "<td><strong>required</strong></td>",
    };
    for (const char* part : html) EXPECT_NE(made.html.find(part), std::string::npos) << part;
}

// The record of the documents is read for all of them: what it takes is
// printed on one document or another.
const char kRecord[] = "project/record.cpp";

// The source of a file, with // comments left out.
std::string SourceOf(const std::string& file) {
    const std::string source = ReadFileBytes(kSource + "/" + file);
    EXPECT_FALSE(source.empty()) << file;
    return std::regex_replace(source, std::regex("//[^\n]*"), "");
}

// The sources of an output's writers; `withRecord` false leaves out the record.
std::string ReadersOf(const PrintedOutput& output, bool withRecord = true) {
    std::string text;
    for (const std::string& file : output.readers)
        if (withRecord || file != kRecord) text += SourceOf(file);
    return text;
}

// Whether the sources take the keyword: its name as a literal, or the stem
// of two words or more that a writer completes ("PERF-HEAT" + "-CO2").
bool Takes(const std::string& sources, const std::string& keyword) {
    if (sources.find("\"" + keyword + "\"") != std::string::npos) return true;
    for (std::size_t dash = keyword.rfind('-'); dash != std::string::npos && dash > 0;
         dash = keyword.rfind('-', dash - 1)) {
        const std::string stem = keyword.substr(0, dash);
        if (stem.find('-') == std::string::npos) break;
        if (sources.find("\"" + stem + "\"") != std::string::npos) return true;
    }
    return false;
}

// The list of printed keywords against the writers: each keyword it names
// for an output is taken by that output's writers, and each keyword of the
// library that they take is named, or is one of those read for another
// purpose (below, with why).
TEST(PrintedKeywords, AgreeWithWhatTheWritersRead) {
    const std::map<PrintedOn, std::set<std::string>> notPrinted{
        // The jurisdiction chooses the layout; the path is written, not read.
        {kOnCertificate, {"TYPE", "PATH-FILE-EPCPDF"}},
        // The name of a field, not the keyword.
        {kOnScottishCertificate, {"B-ADDRESS"}},
        // As the certificate; the heritage switch chooses a sentence.
        {kOnReport, {"TYPE", "PATH-FILE-RECPDF", "ENG-HERITAGE"}},
        {kOnShortReport, {}},
        // The rounding of the band table; the jurisdiction chooses the sections.
        {kOnResults, {"EPC-REPORT-ROUND", "TYPE"}},
        // Files the message carries, its switches, the key of its seal and the
        // register it goes to.
        {kOnMessage,
         {"PATH-FILE-TARVEX", "PATH-FILE-INTERFACE", "PATH-FILE-ENGINE", "COMPRESS-XML-MESSAGES",
          "CENGINE-VAL", "ENG-HERITAGE", "LANDMARK-ENVIRONMENT"}},
    };
    const std::vector<Objeto> classes = ShippedClasses();
    std::set<std::string> names;
    for (const Objeto& c : classes)
        for (const Propiedad& k : c.properties) names.insert(k.name);

    std::set<std::string> onDocuments;  // listed or not printed on an output the record serves
    for (const PrintedOutput& output : PrintedOutputs()) {
        SCOPED_TRACE(output.name);
        const std::string sources = ReadersOf(output);
        std::set<std::string> listed = notPrinted.at(output.bit);
        for (const PrintedKeyword& k : PrintedKeywords()) {
            if ((k.on & output.bit) == 0) continue;
            listed.insert(k.keyword);
            EXPECT_TRUE(Takes(sources, k.keyword)) << k.keyword << " is listed but not read";
        }
        const std::string own = ReadersOf(output, false);
        for (const std::string& name : names) {
            if (own.find("\"" + name + "\"") == std::string::npos) continue;
            EXPECT_TRUE(listed.count(name) != 0) << name << " is read but not listed";
        }
        if (own.size() != sources.size()) onDocuments.insert(listed.begin(), listed.end());
    }
    const std::string record = SourceOf(kRecord);
    for (const std::string& name : names) {
        if (record.find("\"" + name + "\"") == std::string::npos) continue;
        EXPECT_TRUE(onDocuments.count(name) != 0)
            << name << " is read for the documents but listed on none";
    }
    // Every entry names a keyword of its class.
    for (const PrintedKeyword& k : PrintedKeywords()) {
        bool found = false;
        for (const Objeto& c : classes)
            for (const Propiedad& p : c.properties)
                found = found || (c.name == k.className && p.name == k.keyword);
        EXPECT_TRUE(found) << k.className << " " << k.keyword;
    }
}

}  // namespace
