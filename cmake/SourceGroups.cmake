# Collects the C++ sources of one folder, so that adding a file needs no edit of the build.
function(sources_of out_var dir)
  file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()
