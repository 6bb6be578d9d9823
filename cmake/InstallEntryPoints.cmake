# Runs at install time, when the final prefix is known: makes bin/angulor and the desktop entry.
# Expects ANGULOR_APP_ID, ANGULOR_PRIVATE_DIR and ANGULOR_DESKTOP_TEMPLATE.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

set(link "${root}/bin/angulor")
message(STATUS "Installing: ${link}")
file(MAKE_DIRECTORY "${root}/bin")
file(REMOVE "${link}")
file(CREATE_LINK "../${ANGULOR_PRIVATE_DIR}/angulor" "${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")

# A menu entry runs with the session's PATH, which holds the system prefixes but often not
# ~/.local/bin or another private prefix: name the program there by its absolute path, the real
# one, which stays put when the link in bin/ goes elsewhere ($XDG_BIN_HOME).
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
if(prefix STREQUAL "/usr" OR prefix STREQUAL "/usr/local")
    set(exec angulor)
else()
    set(exec "${prefix}/${ANGULOR_PRIVATE_DIR}/angulor")
    string(REPLACE "%" "%%" exec "${exec}")
    if(exec MATCHES "[] \t\n\"'\\><~|&;$*?#()`[]")
        # Quoted argument of the Exec key, then the escaping of a desktop entry string value.
        string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
        string(REPLACE "\\" "\\\\" exec "${exec}")
        set(exec "\"${exec}\"")
    endif()
endif()

set(entry "${root}/share/applications/${ANGULOR_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
file(READ "${ANGULOR_DESKTOP_TEMPLATE}" text)
string(REPLACE "@ANGULOR_DESKTOP_EXEC@" "${exec}" text "${text}")
file(WRITE "${entry}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
