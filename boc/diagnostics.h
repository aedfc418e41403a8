#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class BOC;
struct Propiedad;

// What the assessor reads on the error stream about an input: one line per
// finding in the form compilers use ("office.inp:48: error: ..."), saying
// what would be right where the library knows it. The report copy, the
// error report and the run log are not touched by any of it: their formats
// are fixed, and other programs read them.

// How many errors the error stream shows before it points to the report.
inline constexpr std::size_t kErrorStreamLimit = 10;

// The error stream's lines about an input whose reading found errors: the
// warnings noted while reading, at most `limit` errors in line order (a
// missing ".." as one error, not as the unknown keywords it causes), then
// where the whole report is.
std::string ErrorStreamReport(const BOC& boc, std::size_t limit = kErrorStreamLimit);

// The name of the generated reference of the input language, which lists
// every class, keyword and code word (docs/ in the source, the
// documentation folder once installed).
inline constexpr const char* kInputReferenceName = "input-reference.md";

// The number of single-character insertions, deletions, substitutions and
// swaps of two neighbours that turn one word into the other ("EBR" is one
// swap from "BER").
std::size_t EditDistance(std::string_view a, std::string_view b);
// How many slips may part a word from a candidate, the longer of the two
// `length` characters, for the candidate to be suggested: a word further
// away is another word, not a slip.
std::size_t SuggestionReach(std::size_t length);
// The candidate a mistyped word most likely meant: one that differs only in
// letter case, or one within its reach (the first of the nearest); failing
// that, the only candidate that holds the word. "" when none is near.
std::string NearestWord(const std::string& word, const std::vector<std::string>& candidates);
// The `count` code words of a keyword nearest to `word`: the suggested one
// first, then those that hold the word (or that it holds), then the rest;
// within each group the nearest first, equally near in the library's order.
std::vector<std::string> NearestCodeWords(const std::string& word, const Propiedad& keyword,
                                          std::size_t count);
// What the error stream says a keyword takes after an unknown code word:
// all its code words when they are few, else how many, the nearest, and
// where the reference lists them all under the keyword's class.
std::string CodeWords(const std::string& word, const Propiedad& keyword,
                      const std::string& className);

// A warning when a number's text goes on past what is read as the number
// with a comma and a digit ("58,4" reads 58): the comma is not a decimal
// point. "" when the number is read whole. `where` is "file:line".
std::string CommaDecimalWarning(const std::string& where, const std::string& keyword,
                                const std::string& valueText);

// Whether the text is a number but for a decimal comma ("47,25", "1,234.5"):
// with the comma read as it was meant, it is wholly a number.
bool CommaDecimalNumber(const std::string& valueText);

// What is wrong with a NUM or LNUM value whose text (or list item `bad`)
// is not wholly a number, and what it is read as: "BER = fifty is not a
// number: it is read as 0".
std::string NotANumberText(const std::string& keyword, int keyType, const std::string& valueText,
                           const std::string& bad);
// The same as a warning line at `where` ("file:line").
std::string NotANumberWarning(const std::string& where, const std::string& keyword, int keyType,
                              const std::string& valueText, const std::string& bad);

// For the error stream, the place of an object's keyword: "file:line" of the
// keyword, or of the object's header when the input leaves the keyword out.
std::string KeywordPlace(const BOC& boc, int objectIndex, std::string_view keyword);
// An object as the error stream names it: object "name" (CLASS, line n).
std::string ObjectNamed(const BOC& boc, int objectIndex);

// "file:line" for a line counted from 1, "file" for line 0 (no line).
std::string Where(const std::string& file, int line);

// Sends text to the error stream only, after what the console was shown so far.
void SayOnErrorStream(const std::string& text);
// The same for a warning, which counts as one of the run's (app/runlog.h).
void WarnOnErrorStream(const std::string& text);
