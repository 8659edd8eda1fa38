// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The string tables are embedded resources of this library; this file only
// gives the library an object of its own.
namespace quillora { void stringTablesLinked() {} }
