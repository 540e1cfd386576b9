#!/bin/sh
# `file` for CPack's DEB generator: it runs `file` under LC_ALL=C, which writes the bytes of a
# non-ASCII file name (the sound library's) as octal escapes that dpkg-shlibdeps cannot open.
exec file --raw "$@"
