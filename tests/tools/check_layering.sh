#!/usr/bin/env bash
# Fails when a file of the core includes a Qt header, a file of the render or platform
# layer includes a widget header, or a lower layer includes a higher one.
set -u
root=$1
status=0
core_dirs="model calculation files schedule"
for d in $core_dirs; do
  [ -d "$root/src/$d" ] || continue
  hits=$(grep -rnE '#include *<Q|#include *<qt|#include *"Q' "$root/src/$d" || true)
  if [ -n "$hits" ]; then echo "core includes Qt:"; echo "$hits"; status=1; fi
done
if [ -d "$root/src/dxf" ]; then
  hits=$(grep -rnE '#include *<Q|#include *<qt' "$root/src/dxf" --exclude-dir=viewer || true)
  if [ -n "$hits" ]; then echo "core (dxf) includes Qt:"; echo "$hits"; status=1; fi
fi
for d in sketches printing platform; do
  [ -d "$root/src/$d" ] || continue
  hits=$(grep -rnE '#include *<(QtWidgets|QWidget|QApplication|QDialog|QMainWindow|QMessageBox|QLabel|QPushButton)' "$root/src/$d" || true)
  if [ -n "$hits" ]; then echo "render layer includes widgets:"; echo "$hits"; status=1; fi
  hits=$(grep -rnE '#include *"(ui|app|cli)/' "$root/src/$d" || true)
  if [ -n "$hits" ]; then echo "render/platform layer includes a higher layer:"; echo "$hits"; status=1; fi
done
# The DXF viewer (src/dxf/viewer) belongs to the window layer.
for d in $core_dirs dxf; do
  [ -d "$root/src/$d" ] || continue
  hits=$(grep -rnE '#include *"(sketches|printing|platform|ui|app|cli)/' "$root/src/$d" --exclude-dir=viewer || true)
  if [ -n "$hits" ]; then echo "core includes a higher layer:"; echo "$hits"; status=1; fi
done
[ $status -eq 0 ] && echo "layering ok"
exit $status
