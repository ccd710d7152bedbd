// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vesquin {
namespace {

constexpr ChartPalette kLight{
    {0xFF, 0xFF, 0xFF},
    {{{0xD5, 0x5E, 0x00}, {0x00, 0x72, 0xB2}, {0x00, 0x9E, 0x73}}},
    {0xC0, 0x00, 0x00},
    {0x00, 0x00, 0xFF},
    {{{0xD5, 0x5E, 0x00},
      {0x00, 0x72, 0xB2},
      {0x00, 0x9E, 0x73},
      {0xB8, 0x33, 0x8A},
      {0xA6, 0x76, 0x1D},
      {0x5B, 0x3F, 0xA8},
      {0x8E, 0x2C, 0x48},
      {0x00, 0x00, 0x80},
      {0x5E, 0x7A, 0x00},
      {0x44, 0x44, 0x44}}},
};

// The lighter end of a dark chart background: lighter shades of the same hues.
constexpr ChartPalette kDark{
    {0x2E, 0x30, 0x3A},
    {{{0xFF, 0x8A, 0x4C}, {0x6C, 0xB8, 0xF0}, {0x3F, 0xD0, 0xA0}}},
    {0xF0, 0xB0, 0x40},
    {0x80, 0x90, 0xFF},
    {{{0xFF, 0x8A, 0x4C},
      {0x6C, 0xB8, 0xF0},
      {0x3F, 0xD0, 0xA0},
      {0xF0, 0x8C, 0xD0},
      {0xE8, 0xC8, 0x40},
      {0xB8, 0xA0, 0xFF},
      {0xFF, 0x6B, 0x7A},
      {0x40, 0xD8, 0xE0},
      {0xB8, 0xE0, 0x60},
      {0xD0, 0xD0, 0xD0}}},
};

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

}  // namespace

const ChartPalette& ChartColours(bool dark) {
    return dark ? kDark : kLight;
}

std::string HexColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace vesquin
