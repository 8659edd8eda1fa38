// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The objects stored in one group of the phone, listed with AT+KPSL under
// the UCS-2 character set. Each object line
//   +KPSL: "<name>",<hidden>,<size>,"...","<type>","...","...","<title>"
// becomes a PhoneObject and a title that is unique in the list and safe as
// a file name; the records go back to the phone unchanged for a retrieval
// or a deletion.
#pragma once

#include "object_types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillora {

class PhoneSession;
struct OperationContext;

struct PhoneObject {
    std::string typeName;  // field 5, as received (ASCII)
    std::string phoneName; // field 1, exactly as received (hex UCS-2); sent back unchanged
    std::uint32_t size = 0; // field 3
    ObjectType objectType = kNoObjectType; // TypeFromTypeName(typeName)
};

// Where the listed objects go: the phone browser, or the command line.
class PhoneObjectSink {
public:
    virtual ~PhoneObjectSink() = default;
    // Whether a row already listed has this title, compared without regard to
    // case (SameTitle), over every row of the list.
    virtual bool containsTitle(const std::string &title) = 0;
    virtual void addObject(const PhoneObject &object, const std::string &title, const std::string &extension) = 0;
};

inline constexpr int kListingGroups = 5; // Pictures, Animations, Sounds, vCards, vCalendars

// Base time-out for each reply line of a listing.
inline constexpr int kListingLineMs = 4000;
// The longest object line we take: two names of 255 characters at four hex
// digits each, and the other fields, fit with room to spare. A line this
// long or longer is no object line of ours (130).
inline constexpr size_t kListingLineCapacity = 4096;

// One object line after "+KPSL: ". Nothing when the object is hidden and
// hidden objects are not shown (the rest of the line is not looked at).
// Throws 130 for a malformed line.
struct ListedLine {
    PhoneObject object;
    std::string hexTitle; // field 8
};
bool ParseObjectLine(std::string_view fields, bool showHidden, ListedLine &out);

// The phone's title as a long file name would take it: controls and
// " * / : < > ? \ | become "_", trailing white space goes. UTF-8.
std::string CleanTitle(std::u16string_view title);

// The group's objects handed to the sink as they arrive; throws
// ProtocolError. The sink keeps what came before an error. Throws
// std::out_of_range for a group outside 0 .. kListingGroups - 1.
void ListGroup(PhoneSession &session, int group, bool showHidden, PhoneObjectSink &sink);

// ListGroup with its error shown through the context's prompt; true when
// the listing completed.
bool ListPhoneObjects(OperationContext &context, int group, bool showHidden, PhoneObjectSink &sink);

} // namespace quillora
