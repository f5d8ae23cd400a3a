# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Run by CPack on the staged files before it makes a package. Debian keeps the
# programs of the games section in /usr/games (lintian rejects a game package
# with them in /usr/bin), so the Debian package moves the program there;
# cmake --install keeps it in bin/.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/quorel-crosswords")
foreach(program ${programs})
  get_filename_component(bin "${program}" DIRECTORY)
  get_filename_component(prefix "${bin}" DIRECTORY)
  file(MAKE_DIRECTORY "${prefix}/games")
  file(RENAME "${program}" "${prefix}/games/quorel-crosswords")
  file(GLOB left "${bin}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${bin}")
  endif()
endforeach()
if(NOT programs)
  message(FATAL_ERROR "no bin/quorel-crosswords among the staged files")
endif()
