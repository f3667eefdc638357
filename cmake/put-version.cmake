# cmake -DIN=file -DOUT=file -DVERSION=x.y -P put-version.cmake: the file with every
# @KAKIPO_VERSION@ replaced by the project's version, byte for byte the same otherwise.
file(READ ${IN} text)
string(REPLACE "@KAKIPO_VERSION@" "${VERSION}" text "${text}")
file(WRITE ${OUT} "${text}")
