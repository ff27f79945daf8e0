# Run by `cmake --install`: refreshes the MIME database and the desktop and icon caches of the
# prefix so the new file types, entry and icons are seen at once. A staged install (DESTDIR)
# leaves this to the package manager; missing tools are skipped.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
if(IS_ABSOLUTE "${velmora_datadir}")
  set(share "${velmora_datadir}")
else()
  set(share "${CMAKE_INSTALL_PREFIX}/${velmora_datadir}")
endif()
foreach(step IN ITEMS
    "update-mime-database;${share}/mime"
    "update-desktop-database;-q;${share}/applications"
    "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
  list(POP_FRONT step tool)
  unset(program)
  find_program(program ${tool} NO_CACHE)
  if(program)
    # The tools chat about search paths; only a failure is worth showing.
    execute_process(COMMAND ${program} ${step} RESULT_VARIABLE status OUTPUT_VARIABLE out
      ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
      message(WARNING "${tool} failed: ${out}")
    endif()
  endif()
endforeach()
