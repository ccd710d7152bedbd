# SPDX-FileCopyrightText: 2026 The Vesquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are target options so that third-party code is never affected.
function(vesquin_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  endif()
  if(VESQUIN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
