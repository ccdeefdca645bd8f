# Installs the build into a fresh prefix, checks where every piece lands, and runs the installed
# ventro-script on a new data folder to see that it finds its starter files under share/ventro.
# Run by ctest: cmake -DBUILD_DIR=... -DWORK_DIR=... -DWITH_QT=ON|OFF -P install_layout.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/ventro-script
  share/ventro/inventory.dat share/ventro/customer.dat share/ventro/stock1.bmp
  share/ventro/stock24.bmp share/ventro/letter.bmp share/ventro/receipt.bmp
  share/ventro/splash.bmp share/ventro/ventro.htm
  share/applications/ventro.desktop share/icons/hicolor/256x256/apps/ventro.png)
if(WITH_QT)
  list(APPEND expected bin/ventro)
endif()
foreach(path ${expected})
  if(NOT EXISTS ${prefix}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(STRINGS ${prefix}/share/applications/ventro.desktop desktop)
foreach(line "Exec=ventro" "Icon=ventro" "Type=Application")
  if(NOT line IN_LIST desktop)
    message(FATAL_ERROR "ventro.desktop lacks ${line}")
  endif()
endforeach()

# The installed program on a new data folder: the starter files are copied in.
file(WRITE ${WORK_DIR}/script.txt "answer pasbox clerk=1 password= OK\nanswer 2211 OK\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR}/data
          ${prefix}/bin/ventro-script --clock "2026-12-06 09:30" ${WORK_DIR}/script.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE transcript ERROR_VARIABLE transcript)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "installed ventro-script failed (${status}):\n${transcript}")
endif()
foreach(name inventory.dat customer.dat stock1.bmp receipt.bmp)
  if(NOT EXISTS ${WORK_DIR}/data/Tarvel/ventro/${name})
    message(FATAL_ERROR "the installed program did not copy ${name}:\n${transcript}")
  endif()
endforeach()
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
