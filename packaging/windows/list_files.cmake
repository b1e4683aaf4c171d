# Writes the installer's file lists from the program folder, so that the
# uninstaller removes exactly what the installer put there:
#   cmake -DFOLDER=program-folder -DOUT=dir -P list_files.cmake
# OUT/install_files.nsh  SetOutPath and File for each folder that holds files
#                        (one wildcard each: makensis reads a folder once per File)
# OUT/remove_files.nsh   Delete for each file, then RMDir for each folder, deepest first
file(GLOB_RECURSE files RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT files)
set(remove "")
set(file_folders "")
set(folders "")
foreach(file ${files})
  get_filename_component(folder "${file}" DIRECTORY)
  list(APPEND file_folders "<${folder}>") # brackets keep the top folder, "", in the list
  string(REPLACE "/" "\\" windows_file "${file}")
  string(APPEND remove "Delete \"$INSTDIR\\${windows_file}\"\n")
  # Every folder on the way, so that nested ones go too.
  while(NOT folder STREQUAL "")
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

set(install "")
list(REMOVE_DUPLICATES file_folders)
foreach(folder ${file_folders})
  string(REGEX REPLACE "^<(.*)>$" "\\1" folder "${folder}")
  if(folder STREQUAL "")
    string(APPEND install "SetOutPath \"$INSTDIR\"\nFile \"${FOLDER}/*\"\n")
  else()
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND install "SetOutPath \"$INSTDIR\\${windows_folder}\"\nFile \"${FOLDER}/${folder}/*\"\n")
  endif()
endforeach()
string(APPEND install "SetOutPath \"$INSTDIR\"\n")

list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders) # a sub-folder sorts after its parent: reversed, it goes first
foreach(folder ${folders})
  string(REPLACE "/" "\\" windows_folder "${folder}")
  string(APPEND remove "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
file(WRITE "${OUT}/install_files.nsh" "${install}")
file(WRITE "${OUT}/remove_files.nsh" "${remove}")
