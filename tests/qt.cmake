# Tests of the Qt parts: each folder with a CMakeLists.txt of its own is added here.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
set(CMAKE_AUTOMOC ON)
foreach(dir platform library scores appearance mainwindow app reliability)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()
