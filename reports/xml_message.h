#pragma once

#include <string>
#include <vector>

#include "project/message_record.h"
#include "project/written.h"
#include "reports/xml_writer.h"

// The lodgement message, written from the message record and the two
// documents it carries, as this run wrote them.

// The text of the message before its seal line. A document not written is
// said to be not available.
std::string LodgementMessageText(const MessageRecord& record, const WrittenDocument& certificate,
                                 const WrittenDocument& report);

// The sealed lodgement message "<RRN-EPC>.xml" in the input's folder (or,
// beside another input's message of the same reference number,
// "<input>[<RRN-EPC>].xml"), sealed with `sealKey`. Stops the run when the
// message would replace the input.
WrittenDocument WriteLodgementMessage(const MessageRecord& record, const std::string& inputFile,
                                      const WrittenDocument& certificate,
                                      const WrittenDocument& report, const std::string& sealKey);

// The message's layout (XmlIndent), which the IAS package shares.
const std::vector<XmlIndent>& MessageLayout();

// <CEPC:Unstructured-Data> and what it holds, written into the element open
// in `w`; logs "+" for each file named.
void WriteUnstructuredData(XmlWriter& w, const UnstructuredData& data);
