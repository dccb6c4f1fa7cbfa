# Included by host/CMakeLists.txt: the pictures that host.rc pulls in, so that
# a regenerated picture rebuilds the resources and relinks Velnora.scr.
set(velnora_dialog_assets
  ${PROJECT_SOURCE_DIR}/assets/dialog_assets.rc
  ${PROJECT_SOURCE_DIR}/assets/resource_ids.h
  ${PROJECT_SOURCE_DIR}/assets/velnora.ico
  ${PROJECT_SOURCE_DIR}/assets/hand.cur
  ${PROJECT_SOURCE_DIR}/assets/mark_unchosen.bmp
  ${PROJECT_SOURCE_DIR}/assets/mark_chosen.bmp
  ${PROJECT_SOURCE_DIR}/assets/preview.jpg)
foreach(n RANGE 1 24)
  string(REGEX REPLACE "^([0-9])$" "0\\1" nn ${n})
  list(APPEND velnora_dialog_assets ${PROJECT_SOURCE_DIR}/assets/banner/frame${nn}.bmp)
endforeach()
set_source_files_properties(${PROJECT_SOURCE_DIR}/assets/host.rc PROPERTIES OBJECT_DEPENDS "${velnora_dialog_assets}")
