// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the command line's start: a C++ program that writes one line and
// ends, built with the same compiler and options. Whatever the command line takes
// beyond it is its own loading and work.

#include <iostream>

int main() {
    std::cout << "vesquin 1.00\n";
    return std::cout ? 0 : 1;
}
