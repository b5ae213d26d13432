# Writes OUT in the form sha256sum reads back: "<hash>  <name>" for each of FILES.
set(lines "")
foreach(f IN LISTS FILES)
  file(SHA256 ${f} hash)
  get_filename_component(name ${f} NAME)
  string(APPEND lines "${hash}  ${name}\n")
endforeach()
file(WRITE ${OUT} "${lines}")
