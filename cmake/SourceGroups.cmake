# Collects the C++ sources of one folder, so that adding a file needs no edit of the build.
function(sources_of out_var dir)
  file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# The same over a folder and all its sub-folders (the model keeps one folder per subsystem).
function(sources_under out_var dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()
