#!/bin/bash
# make demo: lays down a demo installation in a throw-away Wine prefix and
# runs the uninstaller on it.
echo "demo: the uninstaller is not assembled yet; nothing to run." >&2
exit 2
