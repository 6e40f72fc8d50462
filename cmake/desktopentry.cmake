# tyx_write_desktop_entry(TEMPLATE OUTPUT PROGRAM): writes the desktop entry
# TEMPLATE with @TYX_EXEC@ replaced by the full path PROGRAM, quoted as the
# Desktop Entry Specification asks, so a path with blanks or other reserved
# characters still starts the program. Runs while installing, when the
# prefix is known.
function(tyx_write_desktop_entry template output program)
  # Inside quotes ", `, $ and \ take a backslash, and the file's own string
  # escaping doubles every backslash once more; % would start a field code.
  string(REPLACE "\\" "\\\\\\\\" quoted "${program}")
  foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\\\${reserved}" quoted "${quoted}")
  endforeach()
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(TYX_EXEC "\"${quoted}\"")
  file(READ "${template}" entry)
  string(CONFIGURE "${entry}" entry @ONLY)
  file(WRITE "${output}" "${entry}")
endfunction()
