# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack between the staging install and the package: a package ships the default card
# back, design 0, and not the back last chosen in the build folder it was made from.
file(GLOB backs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/hat0.bmp"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/hat0.bmp")
if(NOT backs)
    message(FATAL_ERROR "no hat0.bmp under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(back IN LISTS backs)
    get_filename_component(folder "${back}" DIRECTORY)
    file(COPY_FILE "${back}" "${folder}/hatlap.bmp")
endforeach()
