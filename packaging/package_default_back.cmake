# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack between the staging install and the package: a package ships the default card
# back, design 0, and not the back last chosen in the build folder it was made from.
set(program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_KARTAVO_PROGRAM_DIR}")
if(NOT EXISTS "${program}/hat0.bmp")
    message(FATAL_ERROR "no hat0.bmp in ${program}")
endif()
file(COPY_FILE "${program}/hat0.bmp" "${program}/hatlap.bmp")
