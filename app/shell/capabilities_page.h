// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The formats report as a page: the built-in template with its texts in the
// current user-interface language and the report's three tables.
#pragma once

#include <QString>

#include <string_view>

namespace quillora {

// `argument` is the report's rows, the three categories separated by "^".
QString CapabilitiesPage(std::string_view argument);

} // namespace quillora
