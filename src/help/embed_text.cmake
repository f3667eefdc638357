# Turns a UTF-8 text file into the body of a C array initializer: one byte per element, each line
# break as CR LF (the panes' own line break), no line break after the last line.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Line breaks in the source file may be LF or CR LF; the program wants CR LF only.
string(REPLACE "0x0d,0x0a," "0x0a," bytes "${bytes}")
if(bytes MATCHES "0x0d,")
  message(FATAL_ERROR "${IN}: a bare CR is not a line break the help panes understand")
endif()
string(REGEX REPLACE "(0x0a,)+$" "" bytes "${bytes}")
string(REPLACE "0x0a," "0x0d,0x0a," bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\n${bytes}\n")
