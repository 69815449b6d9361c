# Installs the build into a fresh prefix and checks the layout of an installed copy:
# the program's folder, the bin/fosku link to it, the desktop entry and the icons.
# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
# The prefix holds a blank and the characters a desktop entry's command line must escape (but a
# backslash, which cmake --install does not take in a prefix).
string(REGEX MATCH "[\"`$%\\]" odd "${PREFIX}")
if(odd)
  message(FATAL_ERROR "the check needs a plain folder to install into, not ${PREFIX}")
endif()
set(BASE "${PREFIX}")
set(PREFIX "${BASE}/a b $c \"q\" %p `t`")
file(REMOVE_RECURSE "${BASE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET TIMEOUT 50)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(f lib/fosku/fosku lib/fosku/fosku.pdf lib/fosku/suoni/si.wav lib/fosku/suoni/no.wav
          lib/fosku/testiFosku/2/regolariare.txt lib/fosku/testiFosku/8/0.txt
          share/applications/fosku.desktop share/icons/hicolor/48x48/apps/fosku.png
          share/icons/hicolor/256x256/apps/fosku.png)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "missing from the installed copy: ${f}")
  endif()
endforeach()

if(NOT IS_SYMLINK "${PREFIX}/bin/fosku")
  message(FATAL_ERROR "bin/fosku is not a link")
endif()
file(REAL_PATH "${PREFIX}/bin/fosku" target)
file(REAL_PATH "${PREFIX}/lib/fosku/fosku" program)
if(NOT target STREQUAL program)
  message(FATAL_ERROR "bin/fosku leads to ${target}, not to ${program}")
endif()

file(READ "${PREFIX}/share/applications/fosku.desktop" entry)
# Exec in double quotes, ", ` and $ escaped by a backslash, % doubled, then every backslash
# written twice as in any string of the file; TryExec is a plain string, as the path is.
set(exec "Exec=\"${BASE}/a b \\\\$c \\\\\"q\\\\\" %%p \\\\`t\\\\`/bin/fosku\"\n")
set(tryexec "TryExec=${PREFIX}/bin/fosku\n")
foreach(line "Type=Application" "Name=Fosku" "${exec}" "${tryexec}" "Icon=fosku" "Categories=Education;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\"")
  endif()
endforeach()
string(FIND "${entry}" "@" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the desktop entry keeps an unreplaced @...@ variable")
endif()
file(REMOVE_RECURSE "${BASE}")
