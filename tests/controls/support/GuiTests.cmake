# A test program of widgets: every .cpp of the calling folder, with the QApplication main here.
function(ravivaz_gui_test_folder name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GuiTestMain.cpp)
  if(TARGET test_support_gui)
    target_link_libraries(${name} PRIVATE test_support_gui)
  else()
    target_link_libraries(${name} PRIVATE test_support)
  endif()
  target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
