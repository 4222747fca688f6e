# Compiles one language's help file:
#   cmake -DCHMCMD=... -DICONV=... -DSOURCE=<help/xx> -DSTYLE=<style.css>
#         -DIMAGES=<png;...> -DPROJECT_FILE=<project.hhp, UTF-8> -DCODEPAGE=CP1253
#         -DWORK=<folder> -DCHM=<name.chm> -DDESTINATION=<folder> -P compile-chm.cmake
# The Windows help viewer reads the contents and the project in the code page of
# the project's language, so both are converted to it; the pages say their own
# encoding (UTF-8). chmcmd reports broken links and anchors but still exits 0:
# its output is kept in WORK/chmcmd.log for the help test.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/images")
file(GLOB pages "${SOURCE}/*.html")
file(COPY ${pages} "${STYLE}" DESTINATION "${WORK}")
file(COPY ${IMAGES} DESTINATION "${WORK}/images")

foreach(pair "${SOURCE}/contents.hhc|contents.hhc" "${PROJECT_FILE}|project.hhp")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  execute_process(COMMAND "${ICONV}" -f UTF-8 -t "${CODEPAGE}" "${from}" OUTPUT_FILE "${WORK}/${to}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${from} holds text that ${CODEPAGE} cannot hold")
  endif()
endforeach()

execute_process(COMMAND "${CHMCMD}" project.hhp WORKING_DIRECTORY "${WORK}" OUTPUT_VARIABLE log ERROR_VARIABLE log
                RESULT_VARIABLE failed)
file(WRITE "${WORK}/chmcmd.log" "${log}")
if(failed OR NOT EXISTS "${WORK}/${CHM}")
  message(FATAL_ERROR "chmcmd could not compile ${CHM}:\n${log}")
endif()
file(COPY "${WORK}/${CHM}" DESTINATION "${DESTINATION}")
