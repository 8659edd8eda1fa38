// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "startup.h"

int main(int argc, char** argv)
{
    return quillora::RunQuillora(argc, argv);
}
